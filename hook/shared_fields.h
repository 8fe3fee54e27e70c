// What the hook procedure needs, in the one data section (".MYSEC") that
// every process loading the library shares: it runs inside the watched
// window's process, while dllHook runs in the caller's.  Plain fields with
// constant initialisers only: a constructor would run again in every
// process and wipe the watch.  dllHook writes them, the hook procedure
// reads them; a single field is written or read at once, without a lock.
#pragma once

#include <windows.h>

#include <cstddef>

namespace htvchook {

struct SharedFields {
    UINT messageId;        // "MSGUpdateVideo", registered at load
    HHOOK hook;            // the installed hook, or none
    HWND watched;          // the window followed, or none
    HWND firstNotify;      // told of every change
    HWND secondNotify;     // told only of the end
};

#if defined(_WIN32) && !defined(_WIN64)
// The 32-bit layout: five 32-bit fields, nothing between them.
static_assert(sizeof(SharedFields) == 20, "five 32-bit fields");
static_assert(offsetof(SharedFields, hook) == 4 && offsetof(SharedFields, watched) == 8 &&
                  offsetof(SharedFields, firstNotify) == 12 && offsetof(SharedFields, secondNotify) == 16,
              "fields in order");
#endif

// The name of the shared section, as the image's section table spells it.
constexpr char kSharedSectionName[] = ".MYSEC";

// The fields, seen through a volatile view so that every read and write
// reaches the shared memory (another process changes it meanwhile).
volatile SharedFields& Shared();

} // namespace htvchook
