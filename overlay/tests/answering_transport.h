// A recording transport that answers the colour questions of a pick ("get
// ... pixel rgb at", "get ... yuv from") with fixed colours, and can be read
// from a second thread (a test's input thread) while the program's thread
// sends.
#pragma once

#include "recording_transport.h"

class AnsweringTransport : public RecordingTransport {
public:
    std::string rgbReply = "200 100 50";
    std::string yuvReply = "120 -30 40";

    MCIERROR Send(const char* command, char* replyBuffer, UINT replyLength, HWND callback) override
    {
        std::string text(command);
        reply = text.find("pixel rgb at") != std::string::npos ? rgbReply
                : text.find("yuv from") != std::string::npos  ? yuvReply
                                                               : std::string();
        return RecordingTransport::Send(command, replyBuffer, replyLength, callback);
    }
};
