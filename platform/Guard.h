// One guard for every body the host or the system calls into (exports, dialog and window
// procedures, the generator's entry): whatever C++ exception escapes the code inside becomes
// the body's fixed failure result, so that nothing ever aborts the host process.
//
//     int WINAPI Export(...) {
//         KOYOMI_GUARD_BEGIN
//         ... the body ...
//         KOYOMI_GUARD_END(0)
//     }
//
// A body that returns nothing closes with KOYOMI_GUARD_END_VOID. Portable: no Windows header.
#pragma once

#define KOYOMI_GUARD_BEGIN try {
#define KOYOMI_GUARD_END(failure)                                                                  \
    }                                                                                              \
    catch (...) {                                                                                  \
        return failure;                                                                            \
    }
#define KOYOMI_GUARD_END_VOID                                                                      \
    }                                                                                              \
    catch (...) {                                                                                  \
        return;                                                                                    \
    }
