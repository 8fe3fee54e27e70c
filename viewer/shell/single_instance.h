// The mark of the running viewer: a named semaphore, and the main window
// class of the same name.  A second viewer brings the first one forward.
#pragma once
#include "handles.h"

constexpr char kViewerClassName[] = "KX310WINClass";

class CSingleInstance {
public:
    // Makes the test: creates the semaphore, and looks for the first
    // viewer's window (restoring it when minimised and bringing its active
    // pop-up, or itself, to the front).
    CSingleInstance();

    bool AnotherInstance() const { return another_; }
    bool HoldsSemaphore() const { return semaphore_ != nullptr; }
    // Gives up the semaphore; true when it was held.
    bool Release();

private:
    framework::KernelHandle semaphore_;
    bool another_ = false;
};
