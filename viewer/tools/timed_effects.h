// Source rotation and strobe while they run: two timers on the main frame
// (51 rotation, 50 strobe) with one timer routine, and what each tick sends
// to the card.  The main frame owns the one instance of the program and is
// its host: the window the timers live on, the view's freeze state and
// source, and the status panes that tell the user an effect runs.
#pragma once
#include "timed_effects_rules.h"

#include <windows.h>

enum class TimedEffect { Strobe, Rotation };

class IEffectsHost {
public:
    virtual HWND TimerWindow() const = 0;
    // The user's freeze state: while it is set, the ticks send nothing.
    virtual bool UserFrozen() const = 0;
    // The input chosen in the Source menu.
    virtual int MenuSource() const = 0;
    // Unfreezes the picture as the user's own choice.
    virtual void ReturnToLive() = 0;
    // "Strobing..." (pane 4) and "Rotating Sources..." (pane 5).
    virtual void ShowEffectPane(TimedEffect effect, bool show) = 0;
    virtual bool EffectPaneShown(TimedEffect effect) const = 0;

protected:
    ~IEffectsHost() = default;
};

class CTimedEffects {
public:
    static constexpr UINT_PTR kStrobeTimer = 50;
    static constexpr UINT_PTR kRotationTimer = 51;

    explicit CTimedEffects(IEffectsHost& host);
    ~CTimedEffects();
    CTimedEffects(const CTimedEffects&) = delete;
    CTimedEffects& operator=(const CTimedEffects&) = delete;

    bool RotationRunning() const { return rotationTimer_ != 0; }
    bool StrobeRunning() const { return strobeTimer_ != 0; }
    int RotationSource() const { return rotationSource_; }
    IEffectsHost& Host() const { return host_; }

    // Starts (or restarts under the same timer) with the interval in tenths
    // of a second; the effect's pane is shown.
    void StartRotation(const RotationInputs& inputs, int interval);
    void StartStrobe(int interval);
    // Removes the pane, kills the timer and puts the card back: rotation to
    // the menu's source, strobe to live video.
    void StopRotation();
    void StopStrobe();

    // One tick of either timer.
    void Tick(UINT_PTR timer);

private:
    static void CALLBACK TimerRoutine(HWND window, UINT message, UINT_PTR timer, DWORD time);

    IEffectsHost& host_;
    UINT_PTR rotationTimer_ = 0;
    UINT_PTR strobeTimer_ = 0;
    RotationInputs inputs_;
    int rotationSource_ = 0;
    StrobePhase strobe_;
};
