// The viewer's document.  The picture lives in the card's frame memory, so
// the document holds no picture data: it opens picture files into the card
// or as the view's background image, and saves what the view shows.
#pragma once
#include "document.h"
#include "message_table.h"
#include "resource.h"

class CVDView;
class IVideoFrame;

class CVDDoc : public framework::Routed<CVDDoc, framework::CDocument> {
protected:
    void OnFileOpen();
    void OnFileSave();
    // The working rectangle of the view saved to a file, or a file loaded
    // into it.
    void OnCopyTo();
    void OnPasteFrom();
    void OnUpdateFileOpen(framework::CCmdUI& ui);

    friend struct framework::TableAccess;
    static constexpr framework::CommandEntry<CVDDoc> kCommands[] = {
        {ID_FILE_OPEN, &CVDDoc::OnFileOpen},
        {ID_FILE_SAVE, &CVDDoc::OnFileSave},
        {ID_EDIT_COPY_TO, &CVDDoc::OnCopyTo},
        {ID_EDIT_PASTE_FROM, &CVDDoc::OnPasteFrom},
    };
    static constexpr framework::UpdateEntry<CVDDoc> kUpdates[] = {
        {ID_FILE_OPEN, &CVDDoc::OnUpdateFileOpen},
    };

private:
    CVDView* View() const;
};
