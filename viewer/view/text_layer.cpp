#include "text_layer.h"

#include <commdlg.h>

#include <cstring>

#include "resource.h"

using framework::CRectTracker;

static_assert(sizeof(LOGFONTA) == sizeof(FontRecord), "a text object keeps the whole logical font record");

LOGFONTA ToLogFont(const FontRecord& record)
{
    LOGFONTA font;
    std::memcpy(&font, record.data(), sizeof font);
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
    return font;
}

FontRecord ToFontRecord(const LOGFONTA& font)
{
    FontRecord record;
    std::memcpy(record.data(), &font, record.size());
    return record;
}

RECT ToRect(const ViewRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
ViewRect ToViewRect(const RECT& r) { return ViewRect{r.left, r.top, r.right, r.bottom}; }

namespace {

RECT ClientOf(HWND wnd)
{
    RECT r{};
    GetClientRect(wnd, &r);
    return r;
}

// A tracker whose every step follows the text rules: the object's size
// limits, the client area, the editor going along.
class TextTracker : public CRectTracker {
public:
    TextTracker(TextAnnotations& texts, TextObject* object, const RECT& client)
        : CRectTracker(ToRect(object->rect), object->state), texts_(texts), object_(object), client_(client)
    {
    }

protected:
    void AdjustRect(int hit, RECT& rect) override
    {
        texts_.TrackStep(object_, ToViewRect(rect), hit == kHitMiddle, ToViewRect(client_));
        if (texts_.List().Holds(object_))
            rect = ToRect(object_->rect);
    }

private:
    TextAnnotations& texts_;
    TextObject* object_;
    RECT client_;
};

}  // namespace

CTextLayer::CTextLayer() : texts_(*this)
{
    GetObjectA(GetStockObject(SYSTEM_FONT), sizeof newFont_, &newFont_);
}

void CTextLayer::Create(HWND view)
{
    view_ = view;
    const RECT client = ClientOf(view);
    HWND editor = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN,
                                  0, 0, client.right, client.bottom, view,
                                  reinterpret_cast<HMENU>(UINT_PTR{IDC_TEXT_EDITOR}), GetModuleHandleA(nullptr), nullptr);
    if (!editor)
        return;
    editor_.Attach(editor);
    editor_.SetMode(framework::CFilterEdit::Mode::Normal);
    SendMessageA(editor, EM_SETMODIFY, FALSE, 0);
}

bool CTextLayer::EditorVisible() const
{
    return editor_.Handle() && IsWindowVisible(editor_.Handle());
}

CRectTracker CTextLayer::TrackerOf(const TextObject& object) const
{
    // The tracker states are the tracker's styles: 4 hatched, 0x14 with handles.
    return CRectTracker(ToRect(object.rect), object.state);
}

int CTextLayer::HitPart(const TextObject& object, POINT point) const
{
    return TrackerOf(object).HitTest(point);
}

TextObject* CTextLayer::HitTest(POINT point) const
{
    return texts_.List().HitTest(point.x, point.y, [this](const TextObject& o, int x, int y) {
        return HitPart(o, POINT{x, y}) != CRectTracker::kHitNothing;
    });
}

void CTextLayer::AddText()
{
    texts_.Add(ToFontRecord(newFont_), newColour_);
}

void CTextLayer::EditCurrent()
{
    if (TextObject* current = Current())
        texts_.BeginEdit(current);
}

void CTextLayer::PickFont()
{
    TextObject* current = Current();
    if (!current)
        return;
    LOGFONTA font = ToLogFont(current->font);
    CHOOSEFONTA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = GetAncestor(view_, GA_ROOT);
    choice.lpLogFont = &font;
    choice.rgbColors = current->colour;
    choice.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (!::ChooseFontA(&choice))
        return;
    newFont_ = font;
    newColour_ = choice.rgbColors;
    // The dialog ran a message loop: the object is looked up again.
    texts_.ApplyFont(ToFontRecord(font), choice.rgbColors);
}

bool CTextLayer::PressOn(TextObject* object, POINT point)
{
    const bool trackOne = texts_.Click(object);
    if (!texts_.List().Holds(object))
        return false;
    if (!trackOne) {
        if (!texts_.PrepareMove(object))
            return false;
        return MoveSelected(point);
    }
    const int hit = HitPart(*object, point);
    if (hit == CRectTracker::kHitMiddle && !texts_.PrepareMove(object))
        return false;
    const ViewRect rect = object->rect, textRect = object->textRect;
    TextTracker tracker(texts_, object, ClientOf(view_));
    const bool changed = tracker.TrackHit(view_, point, hit == CRectTracker::kHitNothing ? CRectTracker::kHitMiddle : hit);
    if (!changed && texts_.List().Holds(object)) {
        // Escape or no change: the object goes back to where it was.
        object->rect = rect;
        object->textRect = textRect;
        if (texts_.Editing() == object)
            Follow(*object, rect);
    }
    Repaint();
    return changed && hit == CRectTracker::kHitMiddle;
}

bool CTextLayer::MoveSelected(POINT start)
{
    const RECT client = ClientOf(view_);
    auto clamp = [&client](POINT p) {
        p.x = std::max(client.left, std::min(p.x, client.right));
        p.y = std::max(client.top, std::min(p.y, client.bottom));
        return p;
    };
    POINT last = clamp(start);
    bool moved = false;
    SetCapture(view_);
    while (GetCapture() == view_) {
        MSG msg;
        if (!GetMessageA(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
            const POINT at = clamp(POINT{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)});
            if (texts_.MoveSelected(at.x - last.x, at.y - last.y)) {
                moved = true;
                UpdateWindow(view_);
            }
            last = at;
            if (msg.message == WM_LBUTTONUP)
                break;
            continue;
        }
        DispatchMessageA(&msg);
    }
    if (GetCapture() == view_)
        ReleaseCapture();
    return moved;
}

void CTextLayer::Draw(HDC dc, bool trackers) const
{
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    for (const auto& object : texts_.List().Objects()) {
        if (!(object.get() == texts_.Editing() && EditorVisible())) {
            const LOGFONTA logFont = ToLogFont(object->font);
            framework::GdiFont font(CreateFontIndirectA(&logFont));
            framework::SelectedObject selected(dc, font.get());
            SetTextColor(dc, object->colour);
            RECT r = ToRect(object->rect);
            DrawTextA(dc, object->text.c_str(), static_cast<int>(object->text.size()), &r, DT_EXPANDTABS | DT_NOCLIP);
        }
        if (trackers && object->state != kTextNotSelected)
            TrackerOf(*object).Draw(dc);
    }
    RestoreDC(dc, saved);
}

bool CTextLayer::SetCursor(POINT point) const
{
    for (const auto& object : texts_.List().Objects())
        if (object->Selected() && TrackerOf(*object).SetCursor(view_, point))
            return true;
    return false;
}

std::string CTextLayer::Text() const
{
    return editor_.Handle() ? editor_.Text() : std::string();
}

bool CTextLayer::Modified() const
{
    return editor_.Handle() && SendMessageA(editor_.Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void CTextLayer::SetEditorFont(const TextObject& object)
{
    const LOGFONTA logFont = ToLogFont(object.font);
    framework::GdiFont font(CreateFontIndirectA(&logFont));
    SendMessageA(editor_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    editorFont_ = std::move(font);   // the old font goes once the editor has the new one
}

void CTextLayer::Show(const TextObject& object)
{
    HWND editor = editor_.Handle();
    if (!editor)
        return;
    SetEditorFont(object);
    const ViewRect& r = object.rect;
    MoveWindow(editor, r.left, r.top, r.Width(), r.Height(), TRUE);
    SetWindowTextA(editor, object.text.c_str());
    SendMessageA(editor, EM_SETMODIFY, FALSE, 0);
    SendMessageA(editor, EM_SETSEL, 0, -1);
    ShowWindow(editor, SW_SHOW);
    SetFocus(editor);
}

void CTextLayer::Hide()
{
    HWND editor = editor_.Handle();
    if (!editor)
        return;
    const bool focused = GetFocus() == editor;
    ShowWindow(editor, SW_HIDE);
    SetWindowTextA(editor, "");
    SendMessageA(editor, EM_SETMODIFY, FALSE, 0);
    SendMessageA(editor, EM_EMPTYUNDOBUFFER, 0, 0);
    if (focused)
        SetFocus(view_);
}

void CTextLayer::Follow(const TextObject& object, const ViewRect& r)
{
    if (!editor_.Handle())
        return;
    SetEditorFont(object);
    MoveWindow(editor_.Handle(), r.left, r.top, r.Width(), r.Height(), TRUE);
}

TextSize CTextLayer::Measure(const TextObject& object) const
{
    framework::WindowDc dc(view_);
    const LOGFONTA logFont = ToLogFont(object.font);
    framework::GdiFont font(CreateFontIndirectA(&logFont));
    framework::SelectedObject selected(dc, font.get());
    return MeasureText(object.text, [&dc](const std::string& line) {
        SIZE extent{0, 0};
        GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &extent);
        if (line.empty()) {
            // An empty line is as high as the font.
            TEXTMETRICA metrics{};
            GetTextMetricsA(dc, &metrics);
            extent.cy = metrics.tmHeight;
        }
        return TextSize{extent.cx, extent.cy};
    });
}

void CTextLayer::Repaint()
{
    if (view_)
        InvalidateRect(view_, nullptr, TRUE);
}
