// Force-included into every file of the Windows build: the few POSIX names
// the portable code uses that MinGW-w64's runtime leaves out.
#pragma once

#ifdef __cplusplus
#include <cerrno>
#include <ctime>
#else
#include <errno.h>
#include <time.h>
#endif

#ifndef EDQUOT
#define EDQUOT 122  // a quota: Windows reports it as a full disk
#endif

#ifdef __cplusplus
// The thread-safe local time of POSIX, on the runtime's own.
inline struct tm* localtime_r(const time_t* t, struct tm* out)
{
    return localtime_s(out, t) == 0 ? out : nullptr;
}
#endif
