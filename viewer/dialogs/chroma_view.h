// What the chroma key dialog asks of the view it keys: the view implements
// it and hands itself to the dialog.
#pragma once
#include <windows.h>

// The view's copy of the chroma key in force: the low bytes of the key's Y,
// U and V and of the three tolerances, in this order.
struct ChromaKeyRecord {
    unsigned char y = 0, u = 0, v = 0;
    unsigned char toleranceY = 0, toleranceU = 0, toleranceV = 0;
};

class IChromaView {
public:
    virtual HWND ViewWindow() const = 0;
    // The other program's window the video is exported to, or none.
    virtual HWND ExportTarget() const = 0;
    virtual bool ChromaKeyActive() const = 0;
    virtual void SetChromaKeyActive(bool active) = 0;
    // While set, the view itself sends no "video key on"/"video key off".
    virtual bool KeyLock() const = 0;
    virtual void SetKeyLock(bool on) = 0;
    // The user's freeze state, and the view's set freeze: returns the
    // previous remembered state; with `remember` the state becomes the user's.
    virtual bool Frozen() const = 0;
    virtual bool SetFreeze(bool frozen, bool remember) = 0;
    virtual void SetChromaKeyRecord(const ChromaKeyRecord& record) = 0;
    // Whether opening the dialog lets the video run: the preference as the
    // main frame holds it (its copy, taken at its construction and on the
    // Preferences dialog's OK), not as the settings store has it now.
    virtual bool UnfreezeWhenChromaKey() const = 0;
    // The view's video key on and off (they honour the key lock).
    virtual void VideoKeyOn() = 0;
    virtual void VideoKeyOff() = 0;

protected:
    ~IChromaView() = default;
};
