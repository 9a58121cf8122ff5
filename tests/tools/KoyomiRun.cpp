#include "KoyomiRun.h"

#include "TestUtil.h"
#include "platform/Platform.h"

#include <cstdio>
#include <cstdlib>
#ifdef _WIN32
#include <direct.h>
#define getcwd _getcwd
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

ToolRun RunKoyomi(const std::string& dir, const std::string& args, const std::string& locale) {
    ToolRun r;
    // stderr goes to a file of the test's own folder, never into `dir`.
    char cwd[1024];
    if (!getcwd(cwd, sizeof cwd))
        return r;
    const std::string errFile = std::string(cwd) + "/koyomi-stderr.txt";
#ifdef _WIN32
    // In Windows' own environment: Wine's code page stays the one it started with.
    const std::string env = locale.empty() ? "set LC_ALL=&& set LC_MESSAGES=&& set LANG=&& "
                                           : "set LC_ALL=" + locale + "&& ";
    const std::string cmd = env + "cd /d \"" + dir + "\" && \"" + BinPath("koyomi.exe") + "\" " +
                            args + " 2>\"" + errFile + "\"";
    FILE* p = _popen(cmd.c_str(), "rb");
#else
    const std::string env = locale.empty() ? "unset LC_ALL LC_MESSAGES LANG; "
                                           : "LC_ALL=" + locale + "; export LC_ALL; ";
    const std::string cmd =
        env + "cd '" + dir + "' && '" + BinPath("koyomi") + "' " + args + " 2>'" + errFile + "'";
    FILE* p = popen(cmd.c_str(), "r");
#endif
    if (!p)
        return r;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
#ifdef _WIN32
    r.status = _pclose(p);
#else
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
#endif
    r.err = ReadBytes(errFile);
    return r;
}

std::string Redirected(const std::string& lf) {
#ifdef _WIN32
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return crlf;
#else
    return lf;
#endif
}

std::string FolderSeen(const std::string& dir) {
#ifdef _WIN32
    return CurrentFolder() + dir + "\\";
#else
    char here[4096];
    return std::string(realpath(dir.c_str(), here) ? here : dir.c_str()) + "/";
#endif
}
