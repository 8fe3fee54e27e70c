// The mark of the running diagnostic tool: a named semaphore, and the
// dialog's window class of the same name.  A second start brings the first
// dialog forward.
#pragma once
#include "handles.h"

constexpr char kDiagnoseClassName[] = "KX310DiagnoseClass";

class CSingleInstance {
public:
    // Makes the test: creates the semaphore and looks for the first tool's
    // window (restored when minimised, its last active pop-up brought to the front).
    CSingleInstance();
    bool AnotherInstance() const { return another_; }

private:
    framework::KernelHandle semaphore_;
    bool another_ = false;
};
