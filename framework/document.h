// A document: the data behind the views of a single-document frame.  It
// takes the commands that its view does not handle.
#pragma once
#include "cmd_target.h"
#include "message_table.h"
#include <string>
#include <vector>

namespace framework {

class CView;

class CDocument : public CCmdTarget {
public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // A fresh, empty document (File New, and the first document at start-up).
    virtual bool OnNewDocument();
    // The document is going away with its frame.
    virtual void OnCloseDocument() {}

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& Views() const { return views_; }
    // Tells every view but the sender that the document changed.
    void UpdateAllViews(CView* sender, LPARAM hint = 0);

private:
    std::string title_;
    std::vector<CView*> views_;
};

}  // namespace framework
