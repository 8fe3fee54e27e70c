#include "print_job.h"


namespace framework {

CPrinterChoice::~CPrinterChoice()
{
    if (devMode_)
        GlobalFree(devMode_);
    if (devNames_)
        GlobalFree(devNames_);
}

bool CPrinterChoice::Run(PRINTDLGA& dialog)
{
    dialog.lStructSize = sizeof dialog;
    dialog.hDevMode = devMode_;
    dialog.hDevNames = devNames_;
    const BOOL ok = PrintDlgA(&dialog);
    // The dialog may have replaced the blocks it was given, also when cancelled.
    devMode_ = dialog.hDevMode;
    devNames_ = dialog.hDevNames;
    return ok != FALSE;
}

HDC CPrinterChoice::ShowPrintDialog(HWND owner)
{
    PRINTDLGA dialog{};
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    return Run(dialog) ? dialog.hDC : nullptr;
}

void CPrinterChoice::ShowPrintSetup(HWND owner)
{
    PRINTDLGA dialog{};
    dialog.hwndOwner = owner;
    dialog.Flags = PD_PRINTSETUP;
    Run(dialog);
}

HDC CPrinterChoice::CreatePrinterDc()
{
    if (!devNames_) {
        // The platform's default printer, without showing anything.
        PRINTDLGA dialog{};
        dialog.Flags = PD_RETURNDEFAULT;
        if (!Run(dialog))
            return nullptr;
    }
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames_));
    if (!names)
        return nullptr;
    const char* base = reinterpret_cast<const char*>(names);
    const auto* mode = devMode_ ? static_cast<const DEVMODEA*>(GlobalLock(devMode_)) : nullptr;
    HDC dc = CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
    if (mode)
        GlobalUnlock(devMode_);
    GlobalUnlock(devNames_);
    return dc;
}

CPrinterChoice& Printer()
{
    static CPrinterChoice choice;
    return choice;
}

}  // namespace framework
