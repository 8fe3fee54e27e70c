// The combined adjustment four pixels at a time with SSE4.1 (checked at run
// time), bit for bit the same as the pixel loop: the table lookups are the
// same tables, and each division of a 16-bit numerator by a divisor up to
// 255 is done in single precision, which is exact after truncation (a
// quotient below 65536 is off by at most 2^-9, less than the 1/255 that
// separates a fraction from the next whole number).
#include "fast_adjuster.h"

#include "simd_rows.h"

#if defined(__i386__) || defined(__x86_64__)
#include <smmintrin.h>
#define HTFX_HAVE_X86 1
#endif

namespace htfx {

#ifdef HTFX_HAVE_X86
namespace {

bool ProcessorHasSse41()
{
    static const bool has = __builtin_cpu_supports("sse4.1");
    return has;
}

#define HTFX_SSE41 __attribute__((target("sse4.1")))

HTFX_SSE41 inline __m128i Quotient(__m128i numerator, __m128 divisor)
{
    return _mm_cvttps_epi32(_mm_div_ps(_mm_cvtepi32_ps(numerator), divisor));
}

HTFX_SSE41 inline __m128i Quotient(__m128i numerator, __m128i divisor)
{
    return Quotient(numerator, _mm_cvtepi32_ps(divisor));
}

template <class T>
HTFX_SSE41 inline __m128i Lookup(const T* table, __m128i index)
{
    alignas(16) int32_t i[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(i), index);
    return _mm_setr_epi32(table[i[0]], table[i[1]], table[i[2]], table[i[3]]);
}

// Channel `c` (0 blue, 1 green, 2 red) of four 3-byte pixels into 32-bit lanes.
HTFX_SSE41 inline __m128i ChannelLanes(__m128i pixels, int c)
{
    const char z = char(0x80);
    return _mm_shuffle_epi8(pixels, _mm_setr_epi8(char(c), z, z, z, char(3 + c), z, z, z, char(6 + c), z, z, z,
                                                  char(9 + c), z, z, z));
}

}  // namespace

HTFX_SSE41 __attribute__((force_align_arg_pointer)) int FastAdjuster::AdjustBlocks3(const uint8_t* source,
                                                                                   uint8_t* target, int pixels) const
{
    const __m128i one = _mm_set1_epi32(1), two = _mm_set1_epi32(2), three = _mm_set1_epi32(3);
    const __m128 by59 = _mm_set1_ps(59.0f), by255 = _mm_set1_ps(255.0f);
    const __m128i c255 = _mm_set1_epi32(255), c127 = _mm_set1_epi32(127);
    int done = 0;
    // Sixteen bytes are read for twelve: a block needs two more pixels after it.
    for (; done + 6 <= pixels; done += 4, source += 12, target += 12) {
        const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source));
        const __m128i b = ChannelLanes(in, 0), g = ChannelLanes(in, 1), r = ChannelLanes(in, 2);
        const __m128i max = _mm_max_epi32(_mm_max_epi32(r, g), b);
        const __m128i min = _mm_min_epi32(_mm_min_epi32(r, g), b);
        const __m128i d = _mm_sub_epi32(max, min);
        const __m128i v = Lookup(value_, max);
        // 255 d / max (0 for black, where d is 0 too).
        const __m128i s =
            Lookup(saturation_, Quotient(_mm_sub_epi32(_mm_slli_epi32(d, 8), d), _mm_max_epi32(max, one)));
        // The hue's numerator and offset by the largest channel, red first.
        const __m128i red_max = _mm_cmpeq_epi32(r, max);
        const __m128i green_max = _mm_andnot_si128(red_max, _mm_cmpeq_epi32(g, max));
        __m128i numerator = _mm_sub_epi32(r, g);
        numerator = _mm_blendv_epi8(numerator, _mm_sub_epi32(b, r), green_max);
        numerator = _mm_blendv_epi8(numerator, _mm_sub_epi32(g, b), red_max);
        __m128i offset = _mm_set1_epi32(239);
        offset = _mm_blendv_epi8(offset, _mm_set1_epi32(119), green_max);
        offset = _mm_andnot_si128(red_max, offset);
        const __m128i magnitude =
            _mm_add_epi32(_mm_mullo_epi32(_mm_abs_epi32(numerator), _mm_set1_epi32(59)), _mm_srli_epi32(d, 1));
        // The quotient takes the numerator's sign (it is 0 when the numerator is).
        __m128i hue = _mm_add_epi32(_mm_sign_epi32(Quotient(magnitude, _mm_max_epi32(d, one)), numerator), offset);
        hue = _mm_add_epi32(hue, _mm_and_si128(_mm_srai_epi32(hue, 31), _mm_set1_epi32(359)));
        const __m128i entry = Lookup(hue_ + 1, hue);
        const __m128i multiplier = _mm_and_si128(entry, c255);
        const __m128i tilt = Quotient(_mm_add_epi32(_mm_mullo_epi32(s, multiplier), _mm_set1_epi32(29)), by59);
        const __m128i w = Quotient(_mm_add_epi32(_mm_mullo_epi32(v, _mm_sub_epi32(c255, tilt)), c127), by255);
        const __m128i p = Quotient(_mm_add_epi32(_mm_mullo_epi32(v, _mm_sub_epi32(c255, s)), c127), by255);
        // Each channel takes v, w or p by two bits of the entry, then its addition.
        auto channel = [&](int shift, const int16_t* add, __m128i x) HTFX_SSE41 {
            const __m128i from = _mm_and_si128(_mm_srli_epi32(entry, shift), three);
            __m128i value = _mm_blendv_epi8(v, w, _mm_cmpeq_epi32(from, one));
            value = _mm_blendv_epi8(value, p, _mm_cmpeq_epi32(from, two));
            return _mm_add_epi32(value, Lookup(add, x));
        };
        const __m128i out_b = channel(12, add_[2], b), out_g = channel(10, add_[1], g), out_r = channel(8, add_[0], r);
        // Clamped to bytes by the packs, then back to 3-byte pixels.
        const __m128i bytes = _mm_packus_epi16(_mm_packus_epi32(out_b, out_g), _mm_packus_epi32(out_r, out_r));
        const __m128i packed = _mm_shuffle_epi8(bytes, _mm_setr_epi8(0, 4, 8, 1, 5, 9, 2, 6, 10, 3, 7, 11, 0, 0, 0, 0));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(target), packed);
        const int32_t last = _mm_extract_epi32(packed, 2);
        __builtin_memcpy(target + 8, &last, 4);
    }
    return done;
}

bool FastAdjuster::BlocksEnabled()
{
    return VectorRowsEnabled() && ProcessorHasSse41();
}
#else
int FastAdjuster::AdjustBlocks3(const uint8_t*, uint8_t*, int) const
{
    return 0;
}

bool FastAdjuster::BlocksEnabled()
{
    return false;
}
#endif

}  // namespace htfx
