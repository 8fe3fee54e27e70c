// The cost of a whole-frame flip end to end, as the viewer does it: the grab
// from the card's frame memory into a buffer, htfx_Flip in place, the write
// back through the driver; beside the bare grab and write-back in the same
// run.  Prints figures, asserts nothing.  Runs under Wine with the simulated
// card: bench/run.
#include "htfx32.h"
#include "picture_buffer.h"
#include <windows.h>
#include <mmsystem.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

bool Send(const std::string& command)
{
    return mciSendStringA(command.c_str(), nullptr, 0, nullptr) == 0;
}

std::string Rect(int w, int h) { return "0 0 " + std::to_string(w) + " " + std::to_string(h); }

double Now()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

bool Grab(CPictureBuffer& b)
{
    return Send("save VCKX310 memory buffer type DIB 24-bit at " + Rect(b.Width(), b.Height()) + " address " +
                std::to_string(reinterpret_cast<uintptr_t>(b.Pixels())));
}

bool WriteBack(CPictureBuffer& b)
{
    return Send("load VCKX310 memory buffer at " + Rect(b.Width(), b.Height()) + " address " +
                std::to_string(reinterpret_cast<uintptr_t>(b.Pixels())));
}

bool Flip(CPictureBuffer& b, int32_t mask)
{
    HtfxFlipRequest r{};
    r.source = HtfxStream{HTFX_KIND_MEMORY, HTFX_FORMAT_RAW, {b.Pixels()}};
    r.destination = r.source;
    r.width = b.Width();
    r.rows = b.Height();
    r.mask = mask;
    return htfx_Flip(&r) == HTFX_OK;
}

// Best of `runs` of `rounds` repetitions, in milliseconds per round.
template <class Step>
double Best(int runs, int rounds, Step step)
{
    double best = 1e30;
    for (int run = 0; run < runs; ++run) {
        double start = Now();
        for (int i = 0; i < rounds; ++i)
            if (!step())
                return -1;
        best = std::min(best, (Now() - start) * 1000.0 / rounds);
    }
    return best;
}

}  // namespace

int main()
{
    if (!Send("open overlay alias VCKX310")) {
        std::printf("flip_bench: the overlay device does not open\n");
        return 1;
    }
    // The card's whole frame memory, frozen so that every round sees one picture.
    const int w = 768, h = 576;
    Send("window VCKX310 handle 0");
    Send("freeze VCKX310");
    auto buffer = CPictureBuffer::Allocate(w, h);
    if (!buffer) {
        std::printf("flip_bench: no buffer\n");
        return 1;
    }
    const int runs = 7, rounds = 10;
    const double bare = Best(runs, rounds, [&] { return Grab(*buffer) && WriteBack(*buffer); });
    std::printf("frame %d x %d, best of %d runs of %d rounds\n", w, h, runs, rounds);
    std::printf("%-28s %8.2f ms\n", "grab + write back", bare);
    for (int32_t mask : {int32_t{HTFX_FLIP_HORIZONTAL}, int32_t{HTFX_FLIP_VERTICAL},
                         int32_t{HTFX_FLIP_HORIZONTAL | HTFX_FLIP_VERTICAL}}) {
        const double flip = Best(runs, rounds, [&] { return Flip(*buffer, mask); });
        const double whole =
            Best(runs, rounds, [&] { return Grab(*buffer) && Flip(*buffer, mask) && WriteBack(*buffer); });
        const char* name = mask == 1 ? "horizontal" : mask == 2 ? "vertical" : "both";
        std::printf("%-28s %8.2f ms  (flip alone %.2f ms)  flip adds %5.1f %%\n",
                    (std::string("grab + flip ") + name + " + write").c_str(), whole, flip,
                    (whole - bare) * 100.0 / bare);
    }
    Send("close VCKX310");
    return 0;
}
