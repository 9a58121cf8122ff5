// Native stand-in for the few Windows types and calls the portable code uses.
#pragma once

#include <cstddef>
#include <cstdint>

typedef std::uint8_t BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef std::uint32_t UINT;
typedef int BOOL;
typedef char CHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef std::size_t SIZE_T;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

void GetLocalTime(SYSTEMTIME* st);

// Copies at most n - 1 bytes and a NUL; returns dst (null when dst or src is null).
LPSTR lstrcpynA(LPSTR dst, LPCSTR src, int n);
// wsprintfA writes at most 1024 bytes with its NUL, as the Windows one does.
int wsprintfA(LPSTR dst, LPCSTR fmt, ...);

BOOL DeleteFileA(LPCSTR path);
