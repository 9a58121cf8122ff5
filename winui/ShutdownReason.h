// The reason Windows shows on its shutdown screen for a program that holds the end of the
// session up (Windows Vista and later; elsewhere nothing happens).
#pragma once

#include <windows.h>

void GiveShutdownReason(HWND window, const wchar_t* reason);
void WithdrawShutdownReason(HWND window);
