// Speed of the effects library on pictures in memory, beside memcpy and
// ImageMagick 6 doing the same work on the same pictures, in one run.
// Prints figures and ratios; asserts nothing.
//
//   effects/bench/run [--no-imagemagick]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <time.h>

#include "htfx32.h"

namespace {

// Processor time, not wall time: the machine may be shared, and time spent
// waiting for a processor is nobody's speed.
double CpuNow()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double ChildrenCpu()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

const char kConvert[] = "/usr/bin/convert";

int RowBytes(int width)
{
    return (width * 3 + 3) & ~3;
}

// A video-like picture: smooth gradients with some noise, and a keyed
// rectangle of magenta in the middle.
std::vector<uint8_t> MakePicture(int width, int rows, uint32_t seed, bool keyed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> picture(size_t(RowBytes(width)) * size_t(rows));
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &picture[size_t(y) * RowBytes(width) + 3 * size_t(x)];
            const int noise = int(random() % 16);
            p[0] = uint8_t((x * 255 / width + noise) & 0xFF);
            p[1] = uint8_t((y * 255 / rows + noise) & 0xFF);
            p[2] = uint8_t(((x + y) * 127 / (width + rows) + 64 + noise) & 0xFF);
            if (keyed && x > width / 4 && x < width * 3 / 4 && y > rows / 4 && y < rows * 3 / 4)
                p[0] = 255, p[1] = 0, p[2] = 255;
        }
    return picture;
}

// Processor seconds per run: the best of several timed batches.
template <class F>
double Seconds(F&& work, double budget = 0.6)
{
    work();  // warm up
    double best = 1e30;
    const double end = CpuNow() + budget;
    int batches = 0;
    while (batches < 3 || CpuNow() < end) {
        int runs = 0;
        const double start = CpuNow();
        do {
            work();
            ++runs;
        } while (CpuNow() - start < 0.05);
        best = std::min(best, (CpuNow() - start) / runs);
        ++batches;
    }
    return best;
}

double Mpix(int width, int rows, double seconds)
{
    return double(width) * rows / seconds / 1e6;
}

void WritePpm(const std::string& path, const std::vector<uint8_t>& picture, int width, int rows)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    std::fprintf(file, "P6\n%d %d\n255\n", width, rows);
    std::vector<uint8_t> row(size_t(width) * 3);
    for (int y = 0; y < rows; ++y) {
        const uint8_t* p = &picture[size_t(y) * RowBytes(width)];
        for (int x = 0; x < width; ++x) {
            row[3 * size_t(x)] = p[3 * x + 2];
            row[3 * size_t(x) + 1] = p[3 * x + 1];
            row[3 * size_t(x) + 2] = p[3 * x];
        }
        std::fwrite(row.data(), 1, row.size(), file);
    }
    std::fclose(file);
}

// Processor time of one ImageMagick command (all its threads), the best of five.
double CommandSeconds(const std::string& command)
{
    double best = 1e30;
    for (int i = 0; i < 5; ++i) {
        const double start = ChildrenCpu();
        if (std::system(command.c_str()) != 0)
            return -1;
        best = std::min(best, ChildrenCpu() - start);
    }
    return best;
}

struct ImageMagick {
    std::string folder;
    std::string threads;  // "" or "-limit thread 1 "

    // Seconds of one operation: the command doing it `times` times over,
    // minus the same command without it (reading and writing), divided.
    double OperationSeconds(const std::string& setup, const std::string& operation, int times) const
    {
        const std::string head = std::string(kConvert) + " " + threads + setup + " ";
        const std::string tail = " " + folder + "/out.ppm";
        std::string repeated;
        for (int i = 0; i < times; ++i)
            repeated += operation + " ";
        const double without = CommandSeconds(head + tail);
        const double with = CommandSeconds(head + repeated + tail);
        if (without < 0 || with < 0)
            return -1;
        return std::max(with - without, 1e-6) / times;
    }
};

// `bytes`: bytes read and written per pixel (memcpy: 6, reading 3 and
// writing 3); the bandwidth share compares bytes moved per second.
void Row(const char* what, double ours, double memcpy_rate, double magick, int bytes = 6)
{
    std::printf("  %-28s %9.1f Mpix/s  %5.0f%% of memcpy  %5.0f%% of its bandwidth", what, ours,
                100.0 * ours / memcpy_rate, 100.0 * ours * bytes / (memcpy_rate * 6));
    if (magick > 0)
        std::printf("  %7.1fx ImageMagick (%.1f Mpix/s)", ours / magick, magick);
    std::printf("\n");
}

void Bench(int width, int rows, bool use_magick)
{
    std::printf("\n%d x %d (%.2f Mpixel, raw rows of %d bytes)\n", width, rows, width * rows / 1e6, RowBytes(width));
    auto a = MakePicture(width, rows, 1, true);
    auto b = MakePicture(width, rows, 2, false);
    std::vector<uint8_t> out(a.size());

    const double copy = Mpix(width, rows, Seconds([&] { std::memcpy(out.data(), a.data(), a.size()); }));
    std::printf("  %-28s %9.1f Mpix/s  (%.2f GB/s)\n", "memcpy", copy, copy * 3 / 1000);

    HtfxColorAdjustAllRequest adjust{};
    auto reset_adjust = [&] {
        adjust = HtfxColorAdjustAllRequest{};
        adjust.source.kind = adjust.destination.kind = HTFX_KIND_MEMORY;
        adjust.source.format = adjust.destination.format = HTFX_FORMAT_RAW;
        adjust.source.value.address = a.data();
        adjust.destination.value.address = out.data();
        adjust.width = width;
        adjust.rows = rows;
        const int amounts[7] = {100, 100, 100, 120, 110, 120, 90};  // brightness 110 %, saturation 120 %, hue
        for (int k = 0; k < 7; ++k)
            adjust.amount[k] = amounts[k], adjust.range[k] = 200;
        adjust.channel_mask = 0x78;
        adjust.start_state = 1;
    };
    const double colour = Mpix(width, rows, Seconds([&] {
                                   reset_adjust();
                                   htfx_ColorAdjustAll(&adjust);
                               }));

    double flips[3];
    for (int mask = 1; mask <= 3; ++mask) {
        HtfxFlipRequest flip{};
        flip.source.kind = flip.destination.kind = HTFX_KIND_MEMORY;
        flip.source.format = flip.destination.format = HTFX_FORMAT_RAW;
        flip.source.value.address = a.data();
        flip.destination.value.address = out.data();
        flip.width = width;
        flip.rows = rows;
        flip.mask = mask;
        flips[mask - 1] = Mpix(width, rows, Seconds([&] { htfx_Flip(&flip); }));
    }

    uint8_t a_key[3] = {255, 0, 255}, b_key[3] = {0, 0, 0};
    HtfxOverlayRequest overlay{};
    overlay.a.kind = overlay.b.kind = overlay.destination.kind = HTFX_KIND_MEMORY;
    overlay.a.format = overlay.b.format = overlay.destination.format = HTFX_FORMAT_RAW;
    overlay.a.value.address = a.data();
    overlay.b.value.address = b.data();
    overlay.destination.value.address = out.data();
    overlay.a_width = overlay.b_width = width;
    overlay.a_rows = overlay.b_rows = rows;
    overlay.a_key_type = overlay.b_key_type = HTFX_KEYS_EXACT;
    overlay.a_key_count = overlay.b_key_count = 1;
    overlay.a_keys = a_key;
    overlay.b_keys = b_key;
    const double compose = Mpix(width, rows, Seconds([&] { htfx_OverlayStreams(&overlay); }));

    double m1[5] = {-1, -1, -1, -1, -1};
    if (use_magick) {
        ImageMagick magick;
        char folder[] = "/tmp/htfx_benchXXXXXX";
        if (mkdtemp(folder)) {
            magick.folder = folder;
            WritePpm(magick.folder + "/a.ppm", a, width, rows);
            WritePpm(magick.folder + "/b.ppm", b, width, rows);
            const std::string in_a = magick.folder + "/a.ppm";
            // A keyed over B, A's key colour made transparent each time.
            const std::string keyed = magick.folder + "/a.ppm -write mpr:A +delete " + magick.folder + "/b.ppm";
            {
                magick.threads = "-limit thread 1 ";
                double* into = m1;
                const std::string ops[4] = {"-modulate 110,120,90", "-flop", "-flip", "-flip -flop"};
                const int times[4] = {4, 20, 20, 10};
                for (int i = 0; i < 4; ++i) {
                    const double seconds = magick.OperationSeconds(in_a, ops[i], times[i]);
                    into[i] = seconds > 0 ? Mpix(width, rows, seconds) : -1;
                }
                const double seconds =
                    magick.OperationSeconds(keyed, "\\( mpr:A -transparent '#FF00FF' \\) -composite", 6);
                into[4] = seconds > 0 ? Mpix(width, rows, seconds) : -1;
            }
            std::system(("rm -rf " + magick.folder).c_str());
        }
    }
    Row("htfx_ColorAdjustAll", colour, copy, m1[0]);
    Row("htfx_Flip mask 1 (mirror)", flips[0], copy, m1[1]);
    Row("htfx_Flip mask 2 (rows)", flips[1], copy, m1[2]);
    Row("htfx_Flip mask 3 (both)", flips[2], copy, m1[3]);
    Row("htfx_OverlayStreams", compose, copy, m1[4], 9);  // reads two pictures
}

}  // namespace

int main(int argc, char** argv)
{
    const bool use_magick = !(argc > 1 && std::strcmp(argv[1], "--no-imagemagick") == 0);
    std::printf("HTFX32 benchmark: pictures in memory, raw 24-bit rows; rates per processor second.\n"
                "ImageMagick (one thread): one command doing the operation several times, minus the\n"
                "same command without it (reading and writing the picture), per operation.\n"
                "Bandwidth: bytes read and written per second against memcpy's (3 + 3 bytes a pixel;\n"
                "the overlay reads two pictures: 6 + 3).\n");
    Bench(640, 480, use_magick);
    Bench(1920, 1080, use_magick);
    return 0;
}
