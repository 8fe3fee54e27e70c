// Chroma keying switched off for a while and on again after: while a file
// dialog is open (the dialog would be keyed away where it covers the key
// range) and while the picture is printed.  Nothing happens when keying is
// not active.
#pragma once
#include "chroma_key_dlg.h"
#include "chroma_view.h"

class ChromaKeyPause {
public:
    explicit ChromaKeyPause(IChromaView& view) : keying_(view.ChromaKeyActive()), dialog_(view.ViewWindow(), view)
    {
        if (keying_)
            dialog_.SuspendChromaKey(false);
    }
    ~ChromaKeyPause()
    {
        if (keying_)
            dialog_.ResumeChromaKey();
    }
    ChromaKeyPause(const ChromaKeyPause&) = delete;
    ChromaKeyPause& operator=(const ChromaKeyPause&) = delete;

private:
    bool keying_;
    CChromaKeyDlg dialog_;
};
