// The setup tool's application object: the single-instance test at
// construction; at initialisation the take-over of the driver, the device
// open and the sheet; at the end the viewer started again when the user
// asked for it, and the device's close.
#pragma once

#include "single_instance.h"
#include "win_app.h"

class CSetupApp : public framework::CWinApp {
public:
    CSetupApp();

    bool AnotherInstance() const { return instance_.AnotherInstance(); }
    bool StartedByViewer() const { return startedByViewer_; }

protected:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    void ReopenViewer();

    framework::CSingleInstance instance_;
    bool startedByViewer_ = false;
};
