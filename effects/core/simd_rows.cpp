#include "simd_rows.h"

#if defined(__i386__) || defined(__x86_64__)
#include <tmmintrin.h>
#define HTFX_HAVE_X86 1
#endif

namespace htfx {

namespace {

bool g_enabled = true;

#ifdef HTFX_HAVE_X86
bool ProcessorHasSsse3()
{
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

// Shuffle masks: output vector k takes from source vector m the bytes that
// belong to it (0x80 elsewhere).
struct MirrorMasks {
    alignas(16) uint8_t mask[3][3][16];
    MirrorMasks()
    {
        for (int k = 0; k < 3; ++k)
            for (int m = 0; m < 3; ++m)
                for (int j = 0; j < 16; ++j) {
                    const int out = 16 * k + j;
                    const int from = 3 * (15 - out / 3) + out % 3;
                    mask[k][m][j] = uint8_t(from / 16 == m ? from % 16 : 0x80);
                }
    }
};

const MirrorMasks& TheMirrorMasks()
{
    static const MirrorMasks masks;
    return masks;
}

__attribute__((target("ssse3"))) inline void LoadMirrorMasks(__m128i m[3][3])
{
    const MirrorMasks& masks = TheMirrorMasks();
    for (int k = 0; k < 3; ++k)
        for (int s = 0; s < 3; ++s)
            m[k][s] = _mm_load_si128(reinterpret_cast<const __m128i*>(masks.mask[k][s]));
}

// Loads 16 pixels and returns them in reverse order.
struct Reversed {
    __m128i v[3];
};

__attribute__((target("ssse3"))) inline Reversed Reverse16(const uint8_t* from, const __m128i m[3][3])
{
    const __m128i s0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    const __m128i s1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16));
    const __m128i s2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 32));
    Reversed r;
    for (int k = 0; k < 3; ++k)
        r.v[k] = _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(s0, m[k][0]), _mm_shuffle_epi8(s1, m[k][1])),
                              _mm_shuffle_epi8(s2, m[k][2]));
    return r;
}

__attribute__((target("ssse3"))) inline void Store48(uint8_t* to, const Reversed& r)
{
    for (int k = 0; k < 3; ++k)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 16 * k), r.v[k]);
}

// Entry points realign the stack: 32-bit Windows callers keep it to 4 bytes.
__attribute__((target("ssse3"), force_align_arg_pointer)) int MirrorSsse3(const uint8_t* source, uint8_t* target, int pixels)
{
    __m128i m[3][3];
    LoadMirrorMasks(m);
    int done = 0;
    for (; done + 16 <= pixels; done += 16, target += 48) {
        const uint8_t* from = source + (pixels - 16 - done) * 3;
        _mm_prefetch(reinterpret_cast<const char*>(from) - 256, _MM_HINT_T0);
        Store48(target, Reverse16(from, m));
    }
    return done;
}

__attribute__((target("ssse3"), force_align_arg_pointer)) int MirrorSwapSsse3(uint8_t* p, uint8_t* q, int pixels)
{
    __m128i m[3][3];
    LoadMirrorMasks(m);
    int done = 0;
    for (; done + 16 <= pixels; done += 16) {
        uint8_t* front = p + done * 3;
        uint8_t* back = q + (pixels - 16 - done) * 3;
        const Reversed from_front = Reverse16(front, m), from_back = Reverse16(back, m);
        Store48(front, from_back);
        Store48(back, from_front);
    }
    return done;
}

// Shuffle masks of the composition.  `dwords` spreads four 3-byte pixels
// (starting at byte 0 or byte 4 of a vector) over four 32-bit lanes, the top
// byte zero; `spread[k]` gives each byte of output vector k the mask byte of
// the pixel it belongs to (one mask byte per pixel, 16 pixels).
struct ComposeMasks {
    alignas(16) uint8_t dwords[2][16];
    alignas(16) uint8_t spread[3][16];
    alignas(16) uint8_t starts[3][16];  // 0xFF at each pixel's first byte
    ComposeMasks()
    {
        for (int k = 0; k < 3; ++k)
            for (int j = 0; j < 16; ++j)
                starts[k][j] = uint8_t((16 * k + j) % 3 == 0 ? 0xFF : 0);
        for (int o = 0; o < 2; ++o)
            for (int j = 0; j < 16; ++j)
                dwords[o][j] = uint8_t(j % 4 == 3 ? 0x80 : 4 * o + 3 * (j / 4) + j % 4);
        for (int k = 0; k < 3; ++k)
            for (int j = 0; j < 16; ++j)
                spread[k][j] = uint8_t((16 * k + j) / 3);
    }
};

const ComposeMasks& TheComposeMasks()
{
    static const ComposeMasks masks;
    return masks;
}

__attribute__((target("ssse3"))) inline __m128i Load(const void* p)
{
    return _mm_load_si128(static_cast<const __m128i*>(p));
}

// Per-pixel comparison of 16 pixels (three vectors) against a key held in
// every 32-bit lane: four vectors of lanes, all ones where the pixel is the key.
struct PixelLanes {
    __m128i lane[4];
};

// The four groups of four pixels are loaded on their own (loads are cheaper
// than shuffles joining vectors); no byte beyond the 48 is read.
__attribute__((target("ssse3"))) inline PixelLanes KeyLanes(const uint8_t* p, __m128i key, __m128i from0, __m128i from4)
{
    PixelLanes r;
    for (int i = 0; i < 3; ++i) {
        const __m128i group = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 12 * i));
        r.lane[i] = _mm_cmpeq_epi32(_mm_shuffle_epi8(group, from0), key);
    }
    const __m128i last = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32));
    r.lane[3] = _mm_cmpeq_epi32(_mm_shuffle_epi8(last, from4), key);
    return r;
}

// Whether any of 16 pixels (three vectors) may be the key: a pixel's first
// byte equal to the key's.  Keys are colours rare outside keyed areas, so
// most blocks are settled by this test alone.
__attribute__((target("ssse3"))) inline bool MayHoldKey(const __m128i v[3], __m128i first, const __m128i starts[3])
{
    __m128i any = _mm_setzero_si128();
    for (int k = 0; k < 3; ++k)
        any = _mm_or_si128(any, _mm_and_si128(_mm_cmpeq_epi8(v[k], first), starts[k]));
    return _mm_movemask_epi8(any) != 0;
}

// One byte per pixel from four vectors of lanes (each lane all ones or zero).
__attribute__((target("ssse3"))) inline __m128i PackLanes(const __m128i lane[4])
{
    return _mm_packs_epi16(_mm_packs_epi32(lane[0], lane[1]), _mm_packs_epi32(lane[2], lane[3]));
}

__attribute__((target("ssse3"))) inline __m128i KeyLane(const uint8_t* key)
{
    return _mm_set1_epi32(int(uint32_t(key[0]) | uint32_t(key[1]) << 8 | uint32_t(key[2]) << 16));
}

// The mode is a template argument so that each mode is a loop of its own.
template <int Mode>
__attribute__((target("ssse3"))) int ComposeMode(const uint8_t* a, const uint8_t* b, uint8_t* out, int pixels,
                                                 const uint8_t* key_a, const uint8_t* key_b)
{
    const ComposeMasks& masks = TheComposeMasks();
    const __m128i from0 = Load(masks.dwords[0]), from4 = Load(masks.dwords[1]);
    const __m128i spread0 = Load(masks.spread[0]), spread1 = Load(masks.spread[1]), spread2 = Load(masks.spread[2]);
    const __m128i ka = Mode != 1 ? KeyLane(key_a) : _mm_setzero_si128();
    const __m128i kb = Mode != 0 ? KeyLane(key_b) : _mm_setzero_si128();
    const __m128i ones = _mm_set1_epi8(-1);
    const __m128i starts[3] = {Load(masks.starts[0]), Load(masks.starts[1]), Load(masks.starts[2])};
    // The first byte of the key that settles a block alone: without B's key
    // a block is all B (modes 1 and 2), without A's key all A (mode 0).
    const __m128i first = _mm_set1_epi8(char(Mode == 0 ? key_a[0] : key_b[0]));
    int done = 0;
    for (; done + 16 <= pixels; done += 16, a += 48, b += 48, out += 48) {
        __m128i va[3], vb[3];
        for (int k = 0; k < 3; ++k) {
            va[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + 16 * k));
            vb[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + 16 * k));
        }
        if (!MayHoldKey(Mode == 0 ? va : vb, first, starts)) {
            for (int k = 0; k < 3; ++k)
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16 * k), Mode == 0 ? va[k] : vb[k]);
            continue;
        }
        // Pixels of A kept: A's key absent (mode 0), B's key present (mode 1), or both (mode 2).
        __m128i keep_a;
        if (Mode == 0) {
            keep_a = _mm_xor_si128(PackLanes(KeyLanes(a, ka, from0, from4).lane), ones);
        } else if (Mode == 1) {
            keep_a = PackLanes(KeyLanes(b, kb, from0, from4).lane);
        } else {
            const __m128i a_keyed = PackLanes(KeyLanes(a, ka, from0, from4).lane);
            // A block of A's key is all B, whatever B holds.
            keep_a = _mm_movemask_epi8(a_keyed) == 0xFFFF
                         ? _mm_setzero_si128()
                         : _mm_andnot_si128(a_keyed, PackLanes(KeyLanes(b, kb, from0, from4).lane));
        }
        // Keyed areas come in runs: whole blocks from one stream are stored as they are.
        const int kept = _mm_movemask_epi8(keep_a);
        if (kept == 0xFFFF || kept == 0) {
            const __m128i* from = kept ? va : vb;
            for (int k = 0; k < 3; ++k)
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16 * k), from[k]);
            continue;
        }
        const __m128i spread[3] = {spread0, spread1, spread2};
        for (int k = 0; k < 3; ++k) {
            const __m128i m = _mm_shuffle_epi8(keep_a, spread[k]);
            const __m128i v = _mm_xor_si128(vb[k], _mm_and_si128(m, _mm_xor_si128(va[k], vb[k])));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16 * k), v);
        }
    }
    return done;
}

// Entry point: realigns the stack (32-bit Windows callers keep it to 4 bytes).
__attribute__((target("ssse3"), force_align_arg_pointer)) int ComposeSsse3(int mode, const uint8_t* a, const uint8_t* b,
                                                                           uint8_t* out, int pixels,
                                                                           const uint8_t* key_a, const uint8_t* key_b)
{
    switch (mode) {
    case 0: return ComposeMode<0>(a, b, out, pixels, key_a, key_b);
    case 1: return ComposeMode<1>(a, b, out, pixels, key_a, key_b);
    default: return ComposeMode<2>(a, b, out, pixels, key_a, key_b);
    }
}
#endif

}  // namespace

bool VectorRowsEnabled()
{
#ifdef HTFX_HAVE_X86
    return g_enabled && ProcessorHasSsse3();
#else
    return false;
#endif
}

void EnableVectorRows(bool enabled)
{
    g_enabled = enabled;
}

int MirrorBlocks3(const uint8_t* source, uint8_t* target, int pixels)
{
#ifdef HTFX_HAVE_X86
    if (VectorRowsEnabled())
        return MirrorSsse3(source, target, pixels);
#endif
    return 0;
}

int MirrorSwapBlocks3(uint8_t* p, uint8_t* q, int pixels)
{
#ifdef HTFX_HAVE_X86
    if (VectorRowsEnabled())
        return MirrorSwapSsse3(p, q, pixels);
#endif
    return 0;
}

int ComposeExactBlocks(int mode, const uint8_t* a, const uint8_t* b, uint8_t* out, int pixels, const uint8_t* key_a,
                       const uint8_t* key_b)
{
#ifdef HTFX_HAVE_X86
    if (VectorRowsEnabled())
        return ComposeSsse3(mode, a, b, out, pixels, key_a, key_b);
#endif
    return 0;
}

}  // namespace htfx
