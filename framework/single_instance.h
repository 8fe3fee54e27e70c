// The mark of a running program: a named semaphore, and its main window
// class of the same name.  A second start brings the first program forward
// (restored when minimised, its last active pop-up to the front).
#pragma once
#include "handles.h"

namespace framework {

class CSingleInstance {
public:
    // Makes the test for the program whose semaphore and main window class
    // are both called `name`.
    explicit CSingleInstance(const char* name);

    bool AnotherInstance() const { return another_; }
    bool HoldsSemaphore() const { return semaphore_ != nullptr; }
    // Gives up the semaphore; true when it was held.
    bool Release();

private:
    KernelHandle semaphore_;
    bool another_ = false;
};

}  // namespace framework
