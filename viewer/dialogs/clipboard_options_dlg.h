// "Clipboard Options" (template 108): the colour depth and the bitmap kind
// in which the view copies a region to the clipboard, read from the
// settings store when the object is built and stored on OK; and the type
// words of the driver's "copy" command made from them.
#pragma once
#include "dialog.h"
#include "resource.h"
#include <string>

class CClipboardOptionsDlg : public framework::Routed<CClipboardOptionsDlg, framework::CDialog> {
public:
    explicit CClipboardOptionsDlg(HWND parent = nullptr);

    // From the values read at construction (or chosen with OK).
    std::string GetClipboardType() const;
    int Colour() const { return colour_; }
    int Format() const { return format_; }

protected:
    void OnOK() override;
    void DoDataExchange(framework::CDataExchange& dx) override;

private:
    int colour_;
    int format_;
};
