// The view's text annotations on screen: the in-place editor (id 900, a
// filter edit in its normal mode), drawing the texts and their trackers,
// the font dialog, the tracker drags and the cursor over selected texts.
// What happens to the objects is TextAnnotations'; this class gives it the
// editor and the measuring it needs.
#pragma once
#include "filter_edit.h"
#include "handles.h"
#include "rect_tracker.h"
#include "text_annotations.h"

#include <windows.h>

class CTextLayer : private TextEditor {
public:
    CTextLayer();
    CTextLayer(const CTextLayer&) = delete;
    CTextLayer& operator=(const CTextLayer&) = delete;

    // Creates the hidden editor over the view.
    void Create(HWND view);
    HWND Editor() const { return editor_.Handle(); }
    bool EditorVisible() const;

    TextAnnotations& Texts() { return texts_; }
    const TextAnnotations& Texts() const { return texts_; }
    TextObject* Current() const { return texts_.List().Current(); }

    // The object under a client point (its tracker's hit test), or null.
    TextObject* HitTest(POINT point) const;
    // Which part of the object's tracker lies under the point.
    int HitPart(const TextObject& object, POINT point) const;

    void AddText();
    void EditCurrent();
    void DeleteCurrent() { texts_.DeleteCurrent(); }
    // Font: the platform's font dialog with the current object's font and
    // colour; on OK they become the object's and those of new texts.
    void PickFont();

    // A left button press on an object (Shift not held): selects it and runs
    // the tracker drag or the move of all selected objects until the button
    // comes up.  True when anything moved.
    bool PressOn(TextObject* object, POINT point);

    // Draws every text in list order, each followed by its tracker unless
    // `trackers` is false (printing).
    void Draw(HDC dc, bool trackers = true) const;
    // Over a selected object: the tracker's cursor for the part under the
    // point; true when the cursor was set.
    bool SetCursor(POINT point) const;

    const LOGFONTA& NewTextFont() const { return newFont_; }
    COLORREF NewTextColour() const { return newColour_; }

private:
    // TextEditor, over the edit control.
    std::string Text() const override;
    bool Modified() const override;
    void Show(const TextObject& object) override;
    void Hide() override;
    void Follow(const TextObject& object, const ViewRect& rect) override;
    TextSize Measure(const TextObject& object) const override;
    void Repaint() override;

    framework::CRectTracker TrackerOf(const TextObject& object) const;
    void SetEditorFont(const TextObject& object);
    // Moves every selected object with the mouse until the button comes up.
    bool MoveSelected(POINT start);

    HWND view_ = nullptr;
    framework::CFilterEdit editor_;
    framework::GdiFont editorFont_;
    LOGFONTA newFont_{};
    COLORREF newColour_ = RGB(0, 255, 255);   // cyan
    TextAnnotations texts_;
};

// The logical font record kept with a text object, to and from the platform's.
LOGFONTA ToLogFont(const FontRecord& record);
FontRecord ToFontRecord(const LOGFONTA& font);
RECT ToRect(const ViewRect& r);
ViewRect ToViewRect(const RECT& r);
