// What the Export Video dialog asks of the view whose video it exports.
#pragma once
#include <windows.h>

class IExportView {
public:
    virtual HWND ViewWindow() const = 0;
    // The viewer's main window, hidden and shown by the dialog's check boxes.
    virtual HWND MainWindow() const = 0;
    // The view's copy of the window the video is exported to; while one is
    // set the view paints black and does not place the video itself.
    virtual HWND ExportTarget() const = 0;
    virtual void SetExportTarget(HWND target) = 0;
    virtual COLORREF KeyColour() const = 0;
    // Sends the video key colour and keeps it as the view's.
    virtual void ApplyKeyColour(COLORREF colour) = 0;
    // Places the video: into the export target, or refitted to the view.
    virtual void PlaceExported() = 0;
    virtual void PlaceRefit() = 0;

protected:
    ~IExportView() = default;
};
