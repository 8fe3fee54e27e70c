// Printing for the framework's views: the program's printer choice, which
// the print dialog, Print Setup and the preview share, and what a view is
// told while one of its print jobs runs.
#pragma once
#include <windows.h>
#include <commdlg.h>

namespace framework {

// One print job (or one preview) of a view.
struct CPrintInfo {
    bool direct = false;   // printing without the print dialog (the default printer)
    bool preview = false;  // drawing for the preview, not for paper
    UINT minPage = 1;
    UINT maxPage = 1;       // views with more pages say so in OnPreparePrinting
    UINT currentPage = 1;
    HDC dc = nullptr;      // the printer's device context, the job's own
    RECT drawArea{};       // the current page's printable area, in printer pixels
};

// The printer the program prints to: the platform's default until the user
// picks another in the print dialog or in Print Setup.  The settings last for
// the program's run.
class CPrinterChoice {
public:
    CPrinterChoice() = default;
    ~CPrinterChoice();
    CPrinterChoice(const CPrinterChoice&) = delete;
    CPrinterChoice& operator=(const CPrinterChoice&) = delete;

    // The print dialog: on OK the chosen printer's device context (the
    // caller's to delete), else null.
    HDC ShowPrintDialog(HWND owner);
    // Print Setup: the user picks the printer and its page settings.
    void ShowPrintSetup(HWND owner);
    // A device context of the chosen (or default) printer; null without one.
    HDC CreatePrinterDc();

private:
    bool Run(PRINTDLGA& dialog);

    HGLOBAL devMode_ = nullptr;
    HGLOBAL devNames_ = nullptr;
};

// The program's one printer choice.
CPrinterChoice& Printer();

}  // namespace framework
