// A recording transport that answers the colour questions of a pick ("get
// ... pixel rgb at", "get ... yuv from") with fixed colours, and can be read
// from a second thread (a test's input thread) while the program's thread
// sends.
#pragma once

#include "recording_transport.h"

#include <mutex>

class AnsweringTransport : public RecordingTransport {
public:
    std::string rgbReply = "200 100 50";
    std::string yuvReply = "120 -30 40";

    MCIERROR Send(const char* command, char* replyBuffer, UINT replyLength, HWND callback) override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::string text(command);
        reply = text.find("pixel rgb at") != std::string::npos ? rgbReply
                : text.find("yuv from") != std::string::npos  ? yuvReply
                                                               : std::string();
        return RecordingTransport::Send(command, replyBuffer, replyLength, callback);
    }
    // The texts sent from the `from`th command on.
    std::vector<std::string> Since(size_t from)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::vector<std::string> all = Texts();
        return std::vector<std::string>(all.begin() + static_cast<long>(std::min(from, all.size())), all.end());
    }
    size_t Count()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return sent.size();
    }

private:
    std::mutex mutex_;
};
