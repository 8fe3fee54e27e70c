// The setup tool's one window: the modal property sheet "Vistacard KX310
// Setup" with the System, Color and Video pages, its "&Close" and "&Save"
// buttons, the closing questions and the hand-over of the device to a
// starting viewer.
#pragma once

#include "color_page.h"
#include "message_table.h"
#include "property_sheet.h"
#include "system_page.h"
#include "video_page.h"

// The number of the registered message "MSGVideoDeck&Setup" (registered at load).
extern const UINT g_msgVideoDeckSetup;

class CMainSht : public framework::Routed<CMainSht, framework::CPropertySheet> {
public:
    // Makes the pages and runs the input probe.
    explicit CMainSht(bool startedByViewer);

    // The answer to "Re-open Video Deck KX310 application?" (IDNO unless asked).
    int ReopenAnswer() const { return reopenAnswer_; }
    bool EndedByHandOver() const { return endedByHandOver_; }

    CMySystemPg& SystemPage() { return system_; }
    CMyColorPg& ColorPage() { return color_; }
    CMyVideoPg& VideoPage() { return video_; }

protected:
    void OnPreCreate(void* dialogTemplate) override;
    void OnInitialized() override;

    LRESULT OnCommand(const framework::Message& m);
    LRESULT OnSysCommand(const framework::Message& m);
    LRESULT OnClose(const framework::Message& m);
    LRESULT OnMove(const framework::Message& m);
    LRESULT OnDisplayChange(const framework::Message& m);
    LRESULT OnSysColorChange(const framework::Message& m);
    LRESULT OnDestroy(const framework::Message& m);
    LRESULT OnHandOver(const framework::Message& m);

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CMainSht> kMessages[] = {
        {WM_COMMAND, &CMainSht::OnCommand},
        {WM_SYSCOMMAND, &CMainSht::OnSysCommand},
        {WM_CLOSE, &CMainSht::OnClose},
        {WM_MOVE, &CMainSht::OnMove},
        {WM_DISPLAYCHANGE, &CMainSht::OnDisplayChange},
        {WM_SYSCOLORCHANGE, &CMainSht::OnSysColorChange},
        {WM_DESTROY, &CMainSht::OnDestroy},
        {&g_msgVideoDeckSetup, &CMainSht::OnHandOver},
    };

private:
    // The closing questions; ends the sheet unless the user cancelled.
    void CloseSheet();
    void Save();
    bool SaveEnabled() const;
    void EndSheet();
    void LayOutButtons();
    void Centre();
    void AddAboutItem();
    void ShowAbout();

    CMySystemPg system_;
    CMyColorPg color_;
    CMyVideoPg video_;
    bool startedByViewer_;
    bool endedByHandOver_ = false;
    bool ending_ = false;
    int reopenAnswer_ = IDNO;
};
