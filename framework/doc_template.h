// The single-document template: which document, frame and view classes make
// up the program's one document, and the resource id (menu, accelerators,
// icon, title) they share.
#pragma once
#include "document.h"
#include <windows.h>
#include <functional>
#include <memory>

namespace framework {

class CDocument;
class CFrameWnd;
class CView;

class CSingleDocTemplate {
public:
    CSingleDocTemplate(UINT resourceId, std::function<std::unique_ptr<CDocument>()> newDocument,
                       std::function<CFrameWnd*()> newFrame, std::function<CView*()> newView)
        : resourceId_(resourceId), newDocument_(std::move(newDocument)), newFrame_(std::move(newFrame)),
          newView_(std::move(newView)) {}
    ~CSingleDocTemplate();

    UINT ResourceId() const { return resourceId_; }
    CDocument* Document() const { return document_.get(); }

    // Makes the document, then its frame (which makes the view), then shows
    // them.  The first frame becomes the application's main frame.
    bool OpenNewDocument();
    // The frame is going away: the document goes with it.
    void CloseDocument();

private:
    UINT resourceId_;
    std::function<std::unique_ptr<CDocument>()> newDocument_;
    std::function<CFrameWnd*()> newFrame_;
    std::function<CView*()> newView_;
    std::unique_ptr<CDocument> document_;
};

// What a frame needs to make its view.
struct CreateContext {
    CDocument* document;
    std::function<CView*()> newView;
    CSingleDocTemplate* docTemplate;
};

}  // namespace framework
