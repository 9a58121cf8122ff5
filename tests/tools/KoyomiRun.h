// Runs the built koyomi as a separate process, the way a user does.
#pragma once

#include <string>

struct ToolRun {
    int status = -1;
    std::string out, err;
};

// Runs koyomi inside `dir` with the arguments (already quoted where needed); stdout and
// stderr captured, stderr through a file in the working directory. LC_ALL is `locale`
// (English texts by default); with an empty one LC_ALL, LC_MESSAGES and LANG are unset.
ToolRun RunKoyomi(const std::string& dir, const std::string& args, const std::string& locale = "C");

// Text as koyomi writes it to a file or pipe: the lines of lf end in CR LF on Windows.
std::string Redirected(const std::string& lf);

// The folder koyomi names for a missing relative line when it runs inside `dir`.
std::string FolderSeen(const std::string& dir);
