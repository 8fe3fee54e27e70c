// A view: the child window in a frame's client area that shows a document.
// Views live on the heap and, once their window exists, delete themselves
// when it is gone.
#pragma once
#include "framework_ids.h"
#include "print_job.h"
#include "message_table.h"
#include "wnd.h"

namespace framework {

class CDocument;

// Control id of the view inside its frame.
constexpr UINT kViewPaneId = 0xE900;

class CView : public Routed<CView, CWnd> {
public:
    static constexpr char kClassName[] = "KxFrameworkView";

    CDocument* Document() const { return document_; }

    // Creates the view window inside the frame and attaches it to the document.
    virtual bool Create(HWND frame, CDocument* document);
    virtual void OnInitialUpdate() { OnUpdate(nullptr, 0); }
    virtual void OnUpdate(CView* sender, LPARAM hint) { InvalidateRect(hwnd_, nullptr, TRUE); }

protected:
    virtual void OnDraw(HDC dc) {}

    // Printing.  OnPreparePrinting sets the pages and gets the printer
    // (DoPreparePrinting: the print dialog, or without it the chosen
    // printer); false ends the job before it starts.  OnPrint draws one page
    // into info.drawArea; by default the view draws as on the screen.
    virtual bool OnPreparePrinting(CPrintInfo& info) { return DoPreparePrinting(info); }
    bool DoPreparePrinting(CPrintInfo& info);
    virtual void OnBeginPrinting(HDC dc, CPrintInfo& info) {}
    virtual void OnPrint(HDC dc, CPrintInfo& info) { OnDraw(dc); }
    virtual void OnEndPrinting(HDC dc, CPrintInfo& info) {}

    void OnFilePrint(UINT id);
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    // Class style and brush for the view window class; views that erase their
    // own background keep the brush null.
    virtual bool RegisterViewClass();
    void PostNcDestroy() override;

    LRESULT OnPaint(const Message& m);
    LRESULT OnMouseActivate(const Message& m);
    LRESULT OnDestroy(const Message& m);

    friend struct TableAccess;
    static constexpr MessageEntry<CView> kMessages[] = {
        {WM_PAINT, &CView::OnPaint},
        {WM_MOUSEACTIVATE, &CView::OnMouseActivate},
        {WM_DESTROY, &CView::OnDestroy},
    };
    static constexpr CommandEntry<CView> kCommands[] = {
        {IdRange{ID_FILE_PRINT, ID_FILE_PRINT_DIRECT}, &CView::OnFilePrint},
        {ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview},
        {ID_FILE_PRINT_SETUP, &CView::OnFilePrintSetup},
    };

protected:
    CDocument* document_ = nullptr;

private:
    // Prints the pages of a prepared job and ends it (the job's printer
    // context included).
    void PrintPages(CPrintInfo& info);
    HWND Owner() const;

    // Set once the window exists: from then on the view deletes itself when
    // its window goes (before, whoever made it still owns it).
    bool ownsSelf_ = false;
};

}  // namespace framework
