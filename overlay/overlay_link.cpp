#include "overlay_link.h"

#include <cstring>

namespace overlay {

const OverlayDialect kViewerDialect = {
    kViewerErrorCaption,
    /*commandTextInErrorBox*/ false,
    /*honoursReportSwitch*/ true,
    /*silentFileInfo*/ true,
    /*passesCallbackWindow*/ true,
    /*aliasLimit*/ 9,
    /*verbLimit*/ 79,
    /*formatLimit*/ 128,
};

const OverlayDialect kSetupDialect = {
    kSetupErrorCaption,
    /*commandTextInErrorBox*/ true,
    /*honoursReportSwitch*/ false,
    /*silentFileInfo*/ false,
    /*passesCallbackWindow*/ false,
    /*aliasLimit*/ 128,
    /*verbLimit*/ 128,
    /*formatLimit*/ 128,
};

namespace {

// Appends `text` to the command; false when it would not fit.
bool Append(char* command, const char* text)
{
    size_t used = std::strlen(command), length = std::strlen(text);
    if (used + length >= kCommandCapacity)
        return false;
    std::memcpy(command + used, text, length + 1);
    return true;
}

}  // namespace

COverlayLink::COverlayLink(const OverlayDialect& dialect, HINSTANCE strings)
    : dialect_(dialect), strings_(strings), transport_(&winmm_)
{
}

bool COverlayLink::ReportErrors(bool on)
{
    bool previous = reportErrors_;
    reportErrors_ = on;
    return previous;
}

void COverlayLink::SetTransport(IOverlayTransport* transport)
{
    transport_ = transport ? transport : &winmm_;
}

// Loads a string entry that must not be longer than `limit` characters: a
// longer entry is refused rather than used cut short.
bool COverlayLink::LoadEntry(unsigned entry, unsigned limit, char* text, int capacity) const
{
    int length = LoadStringA(strings_, entry, text, capacity);
    return length > 0 && static_cast<unsigned>(length) <= limit && length < capacity - 1;
}

MCIERROR COverlayLink::Send(unsigned verb, unsigned format, std::initializer_list<OverlayArg> args)
{
    if (!deviceOpen_)
        return 0;

    char alias[kCommandCapacity], verbText[kCommandCapacity];
    if (!LoadEntry(kAliasEntry, dialect_.aliasLimit, alias, sizeof alias) ||
        !LoadEntry(kVocabularyBase + verb, dialect_.verbLimit, verbText, sizeof verbText))
        return kMissingEntry;

    char command[kCommandCapacity] = {};
    if (!Append(command, verbText) || !Append(command, " ") || !Append(command, alias) || !Append(command, " "))
        return Report(MCIERR_PARAM_OVERFLOW, format, command);

    if (format != kFmtNone) {
        char formatText[kCommandCapacity], argsText[kCommandCapacity];
        if (!LoadEntry(kVocabularyBase + format, dialect_.formatLimit, formatText, sizeof formatText))
            return kMissingEntry;
        switch (FormatOverlayArgs(formatText, args.begin(), args.size(), argsText, sizeof argsText)) {
        case FormatResult::Ok:
            break;
        case FormatResult::TooLong:
            return Report(MCIERR_PARAM_OVERFLOW, format, command);
        case FormatResult::OutOfRange:
            return Report(MCIERR_OUTOFRANGE, format, command);
        default:
            return Report(MCIERR_MISSING_PARAMETER, format, command);
        }
        // A command that does not fit is not sent at all: a cut-off file
        // name or rectangle would make the driver act on the wrong thing.
        if (!Append(command, argsText))
            return Report(MCIERR_PARAM_OVERFLOW, format, command);
    }

    HWND callback = dialect_.passesCallbackWindow ? callback_ : nullptr;
    MCIERROR error = transport_->Send(command, reply_, sizeof reply_, callback);
    return error ? Report(error, format, command) : 0;
}

MCIERROR COverlayLink::Report(MCIERROR error, unsigned format, const char* command)
{
    if (dialect_.honoursReportSwitch && !reportErrors_)
        return error;
    if (dialect_.silentFileInfo && format == kFmtFileInfo)
        return error;

    char errorText[256] = {};
    transport_->ErrorText(error, errorText, sizeof errorText);
    if (!errorText[0]) {
        char unknown[128];
        const OverlayArg code[] = {OverlayArg(static_cast<unsigned long>(error))};
        if (LoadStringA(strings_, kUnknownErrorEntry, unknown, sizeof unknown) <= 0 ||
            FormatOverlayArgs(unknown, code, 1, errorText, sizeof errorText) != FormatResult::Ok)
            errorText[0] = '\0';
    }

    char message[2 * kCommandCapacity + 2] = {};
    if (dialect_.commandTextInErrorBox) {
        std::strcpy(message, command);  // both fit: each is bounded by its buffer
        std::strcat(message, "\n");
    }
    std::strcat(message, errorText);

    char caption[64] = {};
    LoadStringA(strings_, dialect_.errorCaptionEntry, caption, sizeof caption);
    MessageBoxA(GetActiveWindow(), message, caption, MB_OK);
    return error;
}

}  // namespace overlay
