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

// Entry points realign the stack: 32-bit Windows callers keep it to 4 bytes.
__attribute__((target("ssse3"), force_align_arg_pointer)) int MirrorSsse3(const uint8_t* source, uint8_t* target, int pixels)
{
    const MirrorMasks& masks = TheMirrorMasks();
    __m128i m[3][3];
    for (int k = 0; k < 3; ++k)
        for (int s = 0; s < 3; ++s)
            m[k][s] = _mm_load_si128(reinterpret_cast<const __m128i*>(masks.mask[k][s]));
    int done = 0;
    for (; done + 16 <= pixels; done += 16, target += 48) {
        const uint8_t* from = source + (pixels - 16 - done) * 3;
        const __m128i s0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const __m128i s1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16));
        const __m128i s2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 32));
        for (int k = 0; k < 3; ++k) {
            const __m128i v = _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(s0, m[k][0]), _mm_shuffle_epi8(s1, m[k][1])),
                                           _mm_shuffle_epi8(s2, m[k][2]));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(target + 16 * k), v);
        }
    }
    return done;
}

// Per-pixel mismatch of 48 bytes against a key: all three bytes of a pixel
// are 0xFF when any of its bytes differs from the key.
struct Mismatch {
    __m128i v[3];
};

__attribute__((target("ssse3"))) inline void PixelMismatch(const __m128i x_in[3], const __m128i key[3],
                                                            const __m128i last_byte[3], Mismatch& m)
{
    const __m128i ones = _mm_set1_epi8(-1);
    __m128i x[3], z[3];
    for (int k = 0; k < 3; ++k)
        x[k] = _mm_xor_si128(_mm_cmpeq_epi8(x_in[k], key[k]), ones);
    // Gather each pixel's bytes onto its last byte...
    const __m128i y0 = _mm_or_si128(x[0], _mm_or_si128(_mm_slli_si128(x[0], 1), _mm_slli_si128(x[0], 2)));
    const __m128i y1 = _mm_or_si128(x[1], _mm_or_si128(_mm_alignr_epi8(x[1], x[0], 15), _mm_alignr_epi8(x[1], x[0], 14)));
    const __m128i y2 = _mm_or_si128(x[2], _mm_or_si128(_mm_alignr_epi8(x[2], x[1], 15), _mm_alignr_epi8(x[2], x[1], 14)));
    z[0] = _mm_and_si128(y0, last_byte[0]);
    z[1] = _mm_and_si128(y1, last_byte[1]);
    z[2] = _mm_and_si128(y2, last_byte[2]);
    // ...and spread it back over the pixel.
    m.v[0] = _mm_or_si128(z[0], _mm_or_si128(_mm_alignr_epi8(z[1], z[0], 1), _mm_alignr_epi8(z[1], z[0], 2)));
    m.v[1] = _mm_or_si128(z[1], _mm_or_si128(_mm_alignr_epi8(z[2], z[1], 1), _mm_alignr_epi8(z[2], z[1], 2)));
    m.v[2] = _mm_or_si128(z[2], _mm_or_si128(_mm_srli_si128(z[2], 1), _mm_srli_si128(z[2], 2)));
}

__attribute__((target("ssse3"))) void KeyVectors(const uint8_t* key, __m128i out[3])
{
    alignas(16) uint8_t bytes[48];
    for (int i = 0; i < 48; ++i)
        bytes[i] = key ? key[i % 3] : 0;
    for (int k = 0; k < 3; ++k)
        out[k] = _mm_load_si128(reinterpret_cast<const __m128i*>(bytes + 16 * k));
}

__attribute__((target("ssse3"), force_align_arg_pointer)) int ComposeSsse3(int mode, const uint8_t* a, const uint8_t* b, uint8_t* out,
                                                  int pixels, const uint8_t* key_a, const uint8_t* key_b)
{
    __m128i ka[3], kb[3], last[3];
    KeyVectors(key_a, ka);
    KeyVectors(key_b, kb);
    alignas(16) uint8_t last_bytes[48];
    for (int i = 0; i < 48; ++i)
        last_bytes[i] = i % 3 == 2 ? 0xFF : 0;
    for (int k = 0; k < 3; ++k)
        last[k] = _mm_load_si128(reinterpret_cast<const __m128i*>(last_bytes + 16 * k));
    const __m128i ones = _mm_set1_epi8(-1);
    int done = 0;
    for (; done + 16 <= pixels; done += 16, a += 48, b += 48, out += 48) {
        __m128i va[3], vb[3], take_b[3];
        for (int k = 0; k < 3; ++k) {
            va[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + 16 * k));
            vb[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + 16 * k));
        }
        if (mode == 0) {
            Mismatch ma;
            PixelMismatch(va, ka, last, ma);
            for (int k = 0; k < 3; ++k)
                take_b[k] = _mm_xor_si128(ma.v[k], ones);
        } else if (mode == 1) {
            Mismatch mb;
            PixelMismatch(vb, kb, last, mb);
            for (int k = 0; k < 3; ++k)
                take_b[k] = mb.v[k];
        } else {
            Mismatch ma, mb;
            PixelMismatch(va, ka, last, ma);
            PixelMismatch(vb, kb, last, mb);
            for (int k = 0; k < 3; ++k)
                take_b[k] = _mm_or_si128(_mm_xor_si128(ma.v[k], ones), mb.v[k]);
        }
        for (int k = 0; k < 3; ++k)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16 * k),
                             _mm_or_si128(_mm_and_si128(take_b[k], vb[k]), _mm_andnot_si128(take_b[k], va[k])));
    }
    return done;
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
