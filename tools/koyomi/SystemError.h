// Why the last system call failed, in the user's words.
#pragma once

#include <string>

// ClearSystemError before a step whose failure is told, LastSystemError right after it.
void ClearSystemError();
int LastSystemError();
// The reason in words ("access denied"); empty for 0.
std::string SystemErrorText(int code);
