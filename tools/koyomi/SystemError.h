// Why a system call failed, in the user's words (its code: platform/PutInPlace.h).
#pragma once

#include <string>

// The reason in words ("access denied"); empty for 0.
std::string SystemErrorText(int code);
