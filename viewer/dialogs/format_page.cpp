#include "format_page.h"
#include "format_string.h"
#include "scroll_position.h"

using framework::Message;

namespace {
constexpr ScrollRange kFactorRange{0, 100, 10};
constexpr CFormatPage::EnableRule kNoRule{-1, 0, false, {0}};
}  // namespace

const CFormatPage::Layout CFormatPage::kLayouts[6] = {
    {IDD_FORMAT_BITMAP, kTypeBitmap, {{0, IDC_BMP_24BIT, 3}, {1, IDC_BMP_NONE, 2}}, 2, {}, 0,
     {0, 0, true, {IDC_BMP_COMPRESSION_GROUP, IDC_BMP_NONE, IDC_BMP_RLE, 0}}},
    {IDD_FORMAT_TARGA, kTypeTarga, {{0, IDC_TGA_32BIT, 3}, {1, IDC_TGA_NONE, 2}}, 2, {}, 0, kNoRule},
    {IDD_FORMAT_TIFF, kTypeTiff, {{0, IDC_TIF_24BIT, 3}, {1, IDC_TIF_NONE, 2}, {2, IDC_TIF_4K, 3}}, 3, {}, 0,
     {1, 1, false, {IDC_TIF_LZW_GROUP, IDC_TIF_STRIP_LABEL, IDC_TIF_4K, IDC_TIF_8K, IDC_TIF_16K}}},
    {IDD_FORMAT_PCX, kTypePcx, {{0, IDC_PCX_24BIT, 3}}, 1, {}, 0, kNoRule},
    {IDD_FORMAT_GIF, kTypeGif, {{0, IDC_GIF_8BIT, 2}}, 1, {}, 0, kNoRule},
    {IDD_FORMAT_JPEG, kTypeJpeg, {{0, IDC_JPG_COLOR, 2}, {1, IDC_JPG_444, 3}}, 2,
     {{3, IDC_JPG_LUMINANCE, IDC_JPG_LUMINANCE_VALUE}, {2, IDC_JPG_CHROMINANCE, IDC_JPG_CHROMINANCE_VALUE}}, 2,
     kNoRule},
};

CFormatPage::CFormatPage(const Layout& layout)
    : Routed(layout.templateId), layout_(layout), record_(ReadFormatRecord(layout.type))
{
}

bool CFormatPage::OnInitDialog()
{
    for (int i = 0; i < layout_.barCount; ++i)
        SetScrollRange(Item(layout_.bars[i].bar), SB_CTL, kFactorRange.minimum, kFactorRange.maximum, FALSE);
    return true;
}

bool CFormatPage::OnSetActive()
{
    ShowRecord();
    ApplyEnableRule();
    return true;
}

bool CFormatPage::OnKillActive()
{
    ReadControls();
    StoreFormatRecord(layout_.type, record_);
    return true;
}

void CFormatPage::ShowRecord()
{
    for (int g = 0; g < layout_.groupCount; ++g) {
        const RadioGroup& group = layout_.groups[g];
        const int value = record_.field[group.field];
        for (int i = 0; i < group.count; ++i)
            CheckDlgButton(hwnd_, group.first + i, i == value ? BST_CHECKED : BST_UNCHECKED);
    }
    for (int b = 0; b < layout_.barCount; ++b) {
        const FactorBar& bar = layout_.bars[b];
        const int value = record_.field[bar.field];
        SetScrollPos(Item(bar.bar), SB_CTL, value, TRUE);
        SetDlgItemInt(hwnd_, bar.valueText, static_cast<UINT>(value), FALSE);
    }
}

void CFormatPage::ReadControls()
{
    for (int g = 0; g < layout_.groupCount; ++g) {
        const RadioGroup& group = layout_.groups[g];
        for (int i = 0; i < group.count; ++i)
            if (IsDlgButtonChecked(hwnd_, group.first + i) == BST_CHECKED)
                record_.field[group.field] = i;
    }
    for (int b = 0; b < layout_.barCount; ++b)
        record_.field[layout_.bars[b].field] = GetScrollPos(Item(layout_.bars[b].bar), SB_CTL);
}

void CFormatPage::ApplyEnableRule()
{
    const EnableRule& rule = layout_.rule;
    if (rule.field < 0)
        return;
    const bool equal = record_.field[rule.field] == rule.value;
    const bool enable = rule.unequal ? !equal : equal;
    for (int id : rule.controls)
        if (id)
            EnableWindow(Item(id), enable);
}

void CFormatPage::OnRadio(UINT id)
{
    // Only a click in the group the rule watches changes what is enabled.
    const EnableRule& rule = layout_.rule;
    for (int g = 0; g < layout_.groupCount; ++g) {
        const RadioGroup& group = layout_.groups[g];
        if (group.field == rule.field && static_cast<int>(id) >= group.first &&
            static_cast<int>(id) < group.first + group.count) {
            ReadControls();
            ApplyEnableRule();
        }
    }
}

LRESULT CFormatPage::OnHScroll(const Message& m)
{
    for (int b = 0; b < layout_.barCount; ++b) {
        const FactorBar& bar = layout_.bars[b];
        HWND control = Item(bar.bar);
        if (m.ScrollBar() != control)
            continue;
        const int present = GetScrollPos(control, SB_CTL);
        const int next = ScrolledPosition(m.ScrollCode(), present, m.ScrollPos(), kFactorRange);
        if (next != present) {
            SetScrollPos(control, SB_CTL, next, TRUE);
            SetDlgItemInt(hwnd_, bar.valueText, static_cast<UINT>(next), FALSE);
        }
    }
    return 0;
}
