#include "doc_template.h"
#include "document.h"
#include "frame_wnd.h"
#include "win_app.h"

namespace framework {

CSingleDocTemplate::~CSingleDocTemplate() = default;

bool CSingleDocTemplate::OpenNewDocument()
{
    if (document_)
        return document_->OnNewDocument();
    document_ = newDocument_();
    if (!document_)
        return false;
    // Until its window exists the frame is ours; afterwards it owns itself
    // and goes when its window goes.
    std::unique_ptr<CFrameWnd> newFrame(newFrame_());
    CreateContext context{document_.get(), newView_, this};
    CWinApp* app = CWinApp::Current();
    if (app && !app->MainFrame())
        app->SetMainFrame(newFrame.get());
    if (!newFrame->LoadFrame(resourceId_, WS_OVERLAPPEDWINDOW, nullptr, &context)) {
        if (app && app->MainFrame() == newFrame.get())
            app->SetMainFrame(nullptr);
        document_.reset();
        return false;
    }
    CFrameWnd* frame = newFrame.release();
    if (!document_->OnNewDocument()) {
        frame->Destroy();
        return false;
    }
    frame->InitialUpdateFrame(document_.get(), true);
    return true;
}

void CSingleDocTemplate::CloseDocument()
{
    if (document_) {
        document_->OnCloseDocument();
        document_.reset();
    }
}

}  // namespace framework
