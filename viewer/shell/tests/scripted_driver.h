// A recorded driver for the viewer's tests that answers each command by the
// start of its text; everything else succeeds with an empty reply.
#pragma once
#include "recording_transport.h"

#include <string>
#include <vector>

class ScriptedDriver : public RecordingTransport {
public:
    struct Answer {
        std::string prefix;
        MCIERROR error;
        std::string reply;
    };
    std::vector<Answer> answers;

    MCIERROR Send(const char* command, char* replyBuffer, UINT replyLength, HWND callback) override
    {
        reply.clear();
        error = 0;
        for (const Answer& a : answers) {
            if (std::string(command).rfind(a.prefix, 0) == 0) {
                reply = a.reply;
                error = a.error;
                break;
            }
        }
        return RecordingTransport::Send(command, replyBuffer, replyLength, callback);
    }
};

// Texts without the view's placements of the video (card type 3, the
// deferred frame and source, the destination): the frame places the video
// again whenever it becomes active, for instance after a dialog closed.
inline std::vector<std::string> WithoutPlacements(const std::vector<std::string>& texts)
{
    const char* const placement[] = {"set VCKX310 card type to 3", "put VCKX310 frame at ", "put VCKX310 source at ",
                                     "put VCKX310 destination"};
    std::vector<std::string> rest;
    for (const std::string& t : texts) {
        bool placing = false;
        for (const char* p : placement)
            placing = placing || t.rfind(p, 0) == 0;
        if (!placing)
            rest.push_back(t);
    }
    return rest;
}
