#include "timed_effects.h"

#include "overlay_viewer.h"
#include "overlay_vocabulary.h"

namespace {

// The timer routine has no object of its own: the program's one instance.
CTimedEffects* g_effects = nullptr;

UINT PeriodOf(int interval) { return static_cast<UINT>(CheckedInterval(interval, 10)) * 100u; }

}  // namespace

CTimedEffects::CTimedEffects(IEffectsHost& host) : host_(host)
{
    g_effects = this;
}

CTimedEffects::~CTimedEffects()
{
    HWND window = host_.TimerWindow();
    if (rotationTimer_ && window)
        KillTimer(window, rotationTimer_);
    if (strobeTimer_ && window)
        KillTimer(window, strobeTimer_);
    if (g_effects == this)
        g_effects = nullptr;
}

void CALLBACK CTimedEffects::TimerRoutine(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (g_effects)
        g_effects->Tick(timer);
}

void CTimedEffects::StartRotation(const RotationInputs& inputs, int interval)
{
    inputs_ = inputs;
    rotationSource_ = host_.MenuSource();
    rotationTimer_ = SetTimer(host_.TimerWindow(), kRotationTimer, PeriodOf(interval), &TimerRoutine);
    host_.ShowEffectPane(TimedEffect::Rotation, true);
}

void CTimedEffects::StartStrobe(int interval)
{
    strobeTimer_ = SetTimer(host_.TimerWindow(), kStrobeTimer, PeriodOf(interval), &TimerRoutine);
    host_.ShowEffectPane(TimedEffect::Strobe, true);
}

void CTimedEffects::StopRotation()
{
    host_.ShowEffectPane(TimedEffect::Rotation, false);
    if (rotationTimer_) {
        KillTimer(host_.TimerWindow(), rotationTimer_);
        rotationTimer_ = 0;
    }
    SendOverlayCommand(overlay::kVerbSet, overlay::kFmtSourceNumber, host_.MenuSource());
}

void CTimedEffects::StopStrobe()
{
    host_.ShowEffectPane(TimedEffect::Strobe, false);
    if (strobeTimer_) {
        KillTimer(host_.TimerWindow(), strobeTimer_);
        strobeTimer_ = 0;
    }
    host_.ReturnToLive();
}

void CTimedEffects::Tick(UINT_PTR timer)
{
    const bool frozen = host_.UserFrozen();
    if (timer == kStrobeTimer) {
        bool sends = false;
        const bool unfreeze = strobe_.Tick(frozen, sends);
        if (sends)
            SendOverlayCommand(unfreeze ? overlay::kVerbUnfreeze : overlay::kVerbFreeze, overlay::kFmtNone);
    } else if (timer == kRotationTimer && !frozen) {
        rotationSource_ = NextRotationSource(rotationSource_, inputs_);
        SendOverlayCommand(overlay::kVerbSet, overlay::kFmtSourceNumber, rotationSource_);
    }
}
