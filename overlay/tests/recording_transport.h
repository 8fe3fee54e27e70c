// A transport that records each command instead of sending it, and answers
// as winmm would: the reply cut to the buffer, the given error and its text.
// Since and Count may be called from a test's input thread while the
// program's thread sends.
#pragma once

#include "overlay_transport.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

struct SentCommand {
    std::string text;
    UINT replyLength;
    HWND callback;
};

class RecordingTransport : public overlay::IOverlayTransport {
public:
    std::vector<SentCommand> sent;
    std::string reply;
    MCIERROR error = 0;
    // When set, `error` is the answer only to commands that contain this text.
    std::string failWhen;
    std::string errorText = "The driver cannot carry out this command.";

    MCIERROR Send(const char* command, char* replyBuffer, UINT replyLength, HWND callback) override
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            sent.push_back({command, replyLength, callback});
        }
        if (replyBuffer && replyLength) {
            size_t n = std::min<size_t>(reply.size(), replyLength - 1);
            std::memcpy(replyBuffer, reply.data(), n);
            replyBuffer[n] = '\0';
        }
        return failWhen.empty() || std::string(command).find(failWhen) != std::string::npos ? error : 0;
    }

    void ErrorText(MCIERROR, char* text, UINT textLength) override
    {
        std::snprintf(text, textLength, "%s", errorText.c_str());
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const SentCommand& c : sent)
            texts.push_back(c.text);
        return texts;
    }
    // The texts sent from the `from`th command on, and how many there are.
    std::vector<std::string> Since(size_t from) const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::vector<std::string> all = Texts();
        return std::vector<std::string>(all.begin() + static_cast<long>(std::min(from, all.size())), all.end());
    }
    size_t Count() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return sent.size();
    }

private:
    mutable std::mutex mutex_;
};
