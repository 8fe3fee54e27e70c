// The setup tool's application object: the single-instance test at
// construction; at initialisation the take-over of the driver, the device
// open and the sheet; at the end the viewer started again when the user
// asked for it, and the device's close.
#pragma once

#include "handles.h"
#include "win_app.h"

class CSetupApp : public framework::CWinApp {
public:
    CSetupApp();

    bool AnotherInstance() const { return anotherInstance_; }
    bool StartedByViewer() const { return startedByViewer_; }

protected:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    void ReopenViewer();

    framework::KernelHandle semaphore_;
    bool anotherInstance_ = false;
    bool startedByViewer_ = false;
};
