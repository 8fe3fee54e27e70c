// A test fixture that builds the viewer's document, main frame and view
// inside the test process, as the application does, with its settings under
// a registry key of the test's own.
#pragma once
#include "doc_template.h"
#include "main_frame.h"
#include "overlay_viewer.h"
#include "settings_store.h"
#include "resource.h"
#include "vd_doc.h"
#include "vd_view.h"
#include "win_app.h"
#include "window_test_support.h"
#include <gtest/gtest.h>
#include <memory>

namespace test_support {

class ViewerFrameFixture : public ::testing::Test {
protected:
    explicit ViewerFrameFixture(const char* registryKey) : registryKey_(registryKey) {}

    void SetUp() override
    {
        app_ = std::make_unique<framework::CWinApp>();
        app_->Initialize(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        app_->SetRegistryKey(registryKey_);
    }
    void TearDown() override
    {
        if (frameWnd_ && IsWindow(frameWnd_))
            DestroyWindow(frameWnd_);
        Pump(20);
        app_.reset();
        if (recording_)
            ViewerOverlayLink().SetTransport(nullptr);
    }

    // Commands to the driver go to `driver` instead, the device counting as
    // open and error boxes off; the viewer's messages are registered.
    void RecordCommands(overlay::IOverlayTransport* driver)
    {
        ViewerOverlayLink().SetTransport(driver);
        recording_ = true;
        SetOverlayDeviceOpen();
        ShowOverlayErrors(false);
        RegisterViewerMessages();
    }

    CSettingsStore Profile() { return CSettingsStore(app_->RegistryKey(), app_->Title()); }

    // Makes the document, frame and view as the viewer does.
    void OpenFrame()
    {
        app_->AddDocTemplate(std::make_unique<framework::CSingleDocTemplate>(
            IDR_MAINFRAME, [] { return std::make_unique<CVDDoc>(); }, [] { return new CMainFrame; },
            [] { return new CVDView; }));
        ASSERT_TRUE(app_->OpenNewDocument());
        frame_ = static_cast<CMainFrame*>(app_->MainFrame());
        ASSERT_NE(nullptr, frame_);
        frameWnd_ = frame_->Handle();
        Pump(100);
    }

    std::unique_ptr<framework::CWinApp> app_;
    CMainFrame* frame_ = nullptr;
    HWND frameWnd_ = nullptr;

private:
    const char* registryKey_;
    bool recording_ = false;
};

}  // namespace test_support
