// The main frame's tool commands: Color Setting, and the timed effects
// (source rotation and strobe) that run on the frame's timers.
#include "main_frame.h"

#include "color_settings_dlg.h"
#include "interval_dlg.h"
#include "strings.h"
#include "vd_view.h"

namespace {

StatusPane PaneOf(TimedEffect effect)
{
    return effect == TimedEffect::Strobe ? kPaneStrobing : kPaneRotating;
}

UINT PaneTextOf(TimedEffect effect)
{
    return effect == TimedEffect::Strobe ? IDS_PANE_STROBING : IDS_PANE_ROTATING;
}

}  // namespace

void CMainFrame::OnColorSetting()
{
    CColorSettingsDlg dialog(hwnd_);
    dialog.DoModal();
}

void CMainFrame::OnRotateSource()
{
    CRotateSourceDlg dialog(hwnd_, effects_);
    dialog.DoModal();
}

void CMainFrame::OnStrobe()
{
    CStrobeDlg dialog(hwnd_, effects_);
    dialog.DoModal();
}

void CMainFrame::OnUpdateTimedEffect(framework::CCmdUI& ui)
{
    ViewState state = view_ ? view_->State() : ViewState{};
    const CommandState rule = ViewCommandState(ui.Id(), state);
    ui.Enable(rule.enabled);
    ui.SetCheck(rule.checked ? 1 : 0);
}

bool CMainFrame::UserFrozen() const
{
    return view_ && view_->State().frozen;
}

int CMainFrame::MenuSource() const
{
    return view_ ? view_->State().sourceNumber : kSourceComposite0;
}

void CMainFrame::ReturnToLive()
{
    if (view_)
        view_->SetFreeze(false, true);
}

void CMainFrame::ShowEffectPane(TimedEffect effect, bool show)
{
    const StatusPane pane = PaneOf(effect);
    ShowPane(pane, show);
    SetPaneText(pane, show ? framework::LoadText(PaneTextOf(effect)).c_str() : "");
}

bool CMainFrame::EffectPaneShown(TimedEffect effect) const
{
    const StatusPane pane = PaneOf(effect);
    return statusBar_.Handle() && statusBar_.PaneWidth(pane) > 0 && !statusBar_.PaneText(pane).empty();
}
