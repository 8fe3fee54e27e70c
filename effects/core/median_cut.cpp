#include "median_cut.h"

#include <algorithm>
#include <cstring>

namespace htfx {

namespace {

constexpr int kSide = 32;
constexpr int kMaxColours = 236;

inline int Cell(int r, int g, int b)
{
    return (r << 10) | (g << 5) | b;
}

struct Box {
    int low[3];   // red, green, blue, in cells
    int high[3];
    long cells;   // occupied cells
    long pixels;
};

class Histogram {
public:
    explicit Histogram(std::vector<uint16_t>& counts) : counts_(counts) {}

    // Shrinks the box to the bounding range of its occupied cells and counts them.
    void Shrink(Box& box) const
    {
        int low[3] = {kSide, kSide, kSide}, high[3] = {-1, -1, -1};
        box.cells = 0;
        box.pixels = 0;
        for (int r = box.low[0]; r <= box.high[0]; ++r)
            for (int g = box.low[1]; g <= box.high[1]; ++g)
                for (int b = box.low[2]; b <= box.high[2]; ++b) {
                    const int count = counts_[Cell(r, g, b)];
                    if (!count)
                        continue;
                    const int at[3] = {r, g, b};
                    for (int i = 0; i < 3; ++i) {
                        low[i] = std::min(low[i], at[i]);
                        high[i] = std::max(high[i], at[i]);
                    }
                    ++box.cells;
                    box.pixels += count;
                }
        if (box.cells == 0)
            return;
        std::memcpy(box.low, low, sizeof low);
        std::memcpy(box.high, high, sizeof high);
    }

    // Occupied cells in each slice of the box across `axis`.
    std::vector<long> Slices(const Box& box, int axis) const
    {
        std::vector<long> slices(size_t(box.high[axis] - box.low[axis] + 1), 0);
        for (int r = box.low[0]; r <= box.high[0]; ++r)
            for (int g = box.low[1]; g <= box.high[1]; ++g)
                for (int b = box.low[2]; b <= box.high[2]; ++b)
                    if (counts_[Cell(r, g, b)]) {
                        const int at[3] = {r, g, b};
                        ++slices[size_t(at[axis] - box.low[axis])];
                    }
        return slices;
    }

    // Pixel-weighted mean cell of the box, times 8.
    void Colour(const Box& box, uint8_t* bgr0) const
    {
        long sum[3] = {0, 0, 0};
        for (int r = box.low[0]; r <= box.high[0]; ++r)
            for (int g = box.low[1]; g <= box.high[1]; ++g)
                for (int b = box.low[2]; b <= box.high[2]; ++b) {
                    const long count = counts_[Cell(r, g, b)];
                    sum[0] += count * r;
                    sum[1] += count * g;
                    sum[2] += count * b;
                }
        const long pixels = box.pixels ? box.pixels : 1;
        bgr0[0] = uint8_t(sum[2] / pixels * 8);
        bgr0[1] = uint8_t(sum[1] / pixels * 8);
        bgr0[2] = uint8_t(sum[0] / pixels * 8);
        bgr0[3] = 0;
    }

private:
    std::vector<uint16_t>& counts_;
};

long SquaredSides(const Box& box)
{
    long sum = 0;
    for (int i = 0; i < 3; ++i) {
        const long side = box.high[i] - box.low[i] + 1;
        sum += side * side;
    }
    return sum;
}

}  // namespace

void ReduceColours(const uint8_t* rows, int width, int height, int row_bytes, int wanted, ReducedPicture* out)
{
    std::vector<uint16_t> counts(kSide * kSide * kSide, 0);
    long occupied = 0;
    for (int y = 0; y < height; ++y) {
        const uint8_t* p = rows + size_t(y) * size_t(row_bytes);
        for (int x = 0; x < width; ++x, p += 3) {
            uint16_t& count = counts[size_t(Cell(p[2] >> 3, p[1] >> 3, p[0] >> 3))];
            if (count == 0)
                ++occupied;
            if (count < 65535)
                ++count;
        }
    }
    const int n = int(std::min<long>({long(wanted), long(kMaxColours), occupied}));
    const Histogram histogram(counts);
    std::vector<Box> boxes;
    if (n > 0) {
        Box first{{0, 0, 0}, {kSide - 1, kSide - 1, kSide - 1}, 0, 0};
        histogram.Shrink(first);
        boxes.push_back(first);
    }
    while (int(boxes.size()) < n) {
        size_t chosen = 0;
        for (size_t i = 1; i < boxes.size(); ++i)
            if (SquaredSides(boxes[i]) > SquaredSides(boxes[chosen]))
                chosen = i;
        Box& box = boxes[chosen];
        int axis = 0;
        for (int i = 1; i < 3; ++i)
            if (box.high[i] - box.low[i] > box.high[axis] - box.low[axis])
                axis = i;
        if (box.high[axis] == box.low[axis])
            break;  // single cells only: nothing left to cut
        // Cut at the slice boundary nearest to half of the occupied cells.
        const std::vector<long> slices = histogram.Slices(box, axis);
        long below = 0, best_distance = -1;
        int cut = 0;
        for (size_t k = 0; k + 1 < slices.size(); ++k) {
            below += slices[k];
            const long distance = below * 2 > box.cells ? below * 2 - box.cells : box.cells - below * 2;
            if (best_distance < 0 || distance < best_distance) {
                best_distance = distance;
                cut = int(k);
            }
        }
        Box upper = box;
        upper.low[axis] = box.low[axis] + cut + 1;
        box.high[axis] = box.low[axis] + cut;
        histogram.Shrink(box);
        histogram.Shrink(upper);
        boxes.push_back(upper);
    }

    std::vector<size_t> order(boxes.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t x, size_t y) { return boxes[x].cells > boxes[y].cells; });
    out->colours = int(boxes.size());
    std::memset(out->table, 0, sizeof out->table);
    // The histogram becomes the map from cell to table position.
    std::vector<uint8_t> map(kSide * kSide * kSide, 0);
    for (size_t position = 0; position < order.size(); ++position) {
        const Box& box = boxes[order[position]];
        histogram.Colour(box, out->table[position]);
        for (int r = box.low[0]; r <= box.high[0]; ++r)
            for (int g = box.low[1]; g <= box.high[1]; ++g)
                for (int b = box.low[2]; b <= box.high[2]; ++b)
                    map[size_t(Cell(r, g, b))] = uint8_t(position);
    }
    out->row_bytes = (width + 3) & ~3;
    out->pixels.assign(size_t(out->row_bytes) * size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        const uint8_t* p = rows + size_t(y) * size_t(row_bytes);
        uint8_t* q = out->pixels.data() + size_t(y) * size_t(out->row_bytes);
        for (int x = 0; x < width; ++x, p += 3)
            q[x] = map[size_t(Cell(p[2] >> 3, p[1] >> 3, p[0] >> 3))];
    }
}

}  // namespace htfx
