#ifndef _WIN32

#include "platform/Platform.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/time.h>

void GetLocalTime(SYSTEMTIME* st) {
    if (!st)
        return;
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    time_t t = tv.tv_sec;
    struct tm lt;
    localtime_r(&t, &lt);
    st->wYear = static_cast<WORD>(lt.tm_year + 1900);
    st->wMonth = static_cast<WORD>(lt.tm_mon + 1);
    st->wDayOfWeek = static_cast<WORD>(lt.tm_wday);
    st->wDay = static_cast<WORD>(lt.tm_mday);
    st->wHour = static_cast<WORD>(lt.tm_hour);
    st->wMinute = static_cast<WORD>(lt.tm_min);
    st->wSecond = static_cast<WORD>(lt.tm_sec);
    st->wMilliseconds = static_cast<WORD>(tv.tv_usec / 1000);
}

LPSTR lstrcpynA(LPSTR dst, LPCSTR src, int n) {
    if (!dst || !src)
        return nullptr;
    if (n <= 0)
        return dst;
    int i = 0;
    for (; i < n - 1 && src[i]; ++i)
        dst[i] = src[i];
    dst[i] = 0;
    return dst;
}

int wsprintfA(LPSTR dst, LPCSTR fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    int n = std::vsnprintf(dst, 1024, fmt, ap);
    va_end(ap);
    if (n < 0)
        return 0;
    return n < 1024 ? n : 1023;
}

BOOL DeleteFileA(LPCSTR path) {
    return path && std::remove(path) == 0;
}

#endif
