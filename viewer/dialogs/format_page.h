// One page of the Options sheet: the options record of one Save format,
// shown as groups of radio buttons (and, for JPEG, two factor bars), read
// from the settings store when the page is built and stored when the user
// leaves the page for another tab or ends the sheet with OK.
#pragma once
#include "format_record.h"
#include "message_table.h"
#include "property_page.h"
#include "resource.h"

class CFormatPage : public framework::Routed<CFormatPage, framework::CPropertyPage> {
public:
    // A group of radio buttons holding one field of the record.
    struct RadioGroup {
        int field;
        int first;
        int count;
    };
    // A factor bar (0 to 100) holding one field, with its value text.
    struct FactorBar {
        int field;
        int bar;
        int valueText;
    };
    // Controls enabled only while one field has one value.
    struct EnableRule {
        int field;
        int value;          // enabled when the field equals it...
        bool unequal;       // ...or, with this set, when it differs
        int controls[5];    // 0 ends the list
    };
    struct Layout {
        UINT templateId;
        int type;  // the record's image type
        RadioGroup groups[3];
        int groupCount;
        FactorBar bars[2];
        int barCount;
        EnableRule rule;  // field -1: none
    };

    // The layouts of the six pages, in the sheet's order.
    static const Layout kLayouts[6];

    explicit CFormatPage(const Layout& layout);

    const FormatRecord& Record() const { return record_; }
    // The page's help, which the sheet's Help button asks for.
    void ShowHelp() { OnHelp(); }

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    void OnRadio(UINT id);
    LRESULT OnHScroll(const framework::Message& m);

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CFormatPage> kMessages[] = {
        {WM_HSCROLL, &CFormatPage::OnHScroll},
    };
    static constexpr framework::CommandEntry<CFormatPage> kCommands[] = {
        {framework::IdRange{IDC_BMP_COMPRESSION_GROUP, IDC_JPG_411}, &CFormatPage::OnRadio},
    };

private:
    void ShowRecord();
    void ReadControls();
    void ApplyEnableRule();

    const Layout& layout_;
    FormatRecord record_;
};
