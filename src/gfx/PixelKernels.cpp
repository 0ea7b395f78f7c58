#include "gfx/PixelKernels.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gfx {

namespace {

template <typename T>
T* Advance(T* row, std::ptrdiff_t pitch) {
    using Byte = std::conditional_t<std::is_const_v<T>, const std::uint8_t, std::uint8_t>;
    return reinterpret_cast<T*>(reinterpret_cast<Byte*>(row) + pitch);
}

inline std::uint16_t BlendPixel(std::uint16_t s, std::uint16_t d, int alpha) {
    const int sr = s >> 11, sg = (s >> 5) & 0x3F, sb = s & 0x1F;
    const int dr = d >> 11, dg = (d >> 5) & 0x3F, db = d & 0x1F;
    const int r = dr + (((sr - dr) * alpha) >> 8);
    const int g = dg + (((sg - dg) * alpha) >> 8);
    const int b = db + (((sb - db) * alpha) >> 8);
    return static_cast<std::uint16_t>(r << 11 | g << 5 | b);
}

#if defined(__SSE2__)
// Eight pixels at once. (s - d) * alpha stays within a signed 16-bit lane (63 * 255 = 16065),
// so the arithmetic shift of each lane gives exactly the scalar result.
inline __m128i BlendEight(__m128i s, __m128i d, __m128i alpha, __m128i key) {
    const __m128i mask5 = _mm_set1_epi16(0x1F);
    const __m128i mask6 = _mm_set1_epi16(0x3F);
    const __m128i sr = _mm_srli_epi16(s, 11), dr = _mm_srli_epi16(d, 11);
    const __m128i sg = _mm_and_si128(_mm_srli_epi16(s, 5), mask6);
    const __m128i dg = _mm_and_si128(_mm_srli_epi16(d, 5), mask6);
    const __m128i sb = _mm_and_si128(s, mask5), db = _mm_and_si128(d, mask5);
    const __m128i r =
        _mm_add_epi16(dr, _mm_srai_epi16(_mm_mullo_epi16(_mm_sub_epi16(sr, dr), alpha), 8));
    const __m128i g =
        _mm_add_epi16(dg, _mm_srai_epi16(_mm_mullo_epi16(_mm_sub_epi16(sg, dg), alpha), 8));
    const __m128i b =
        _mm_add_epi16(db, _mm_srai_epi16(_mm_mullo_epi16(_mm_sub_epi16(sb, db), alpha), 8));
    const __m128i blended =
        _mm_or_si128(_mm_or_si128(_mm_slli_epi16(r, 11), _mm_slli_epi16(g, 5)), b);
    const __m128i isKey = _mm_cmpeq_epi16(s, key);
    return _mm_or_si128(_mm_and_si128(isKey, d), _mm_andnot_si128(isKey, blended));
}

// Eight 0xAARRGGBB pixels as four vectors of 16-bit channels.
inline void SplitEight(const std::uint32_t* pixels, __m128i& r, __m128i& g, __m128i& b,
                       __m128i& alpha) {
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + 4));
    const __m128i byte = _mm_set1_epi32(0xFF);
    auto channel = [&](int shift) {
        return _mm_packs_epi32(_mm_and_si128(_mm_srli_epi32(low, shift), byte),
                               _mm_and_si128(_mm_srli_epi32(high, shift), byte));
    };
    r = channel(16);
    g = channel(8);
    b = channel(0);
    alpha = channel(24);
}

// Channels of 8 bits narrowed to 5-6-5 by truncation.
inline __m128i NarrowEight(__m128i r, __m128i g, __m128i b) {
    return _mm_or_si128(_mm_or_si128(_mm_slli_epi16(_mm_srli_epi16(r, 3), 11),
                                     _mm_slli_epi16(_mm_srli_epi16(g, 2), 5)),
                        _mm_srli_epi16(b, 3));
}

// (s * a + d * (255 - a)) >> 8 in unsigned 16-bit lanes: at most 255 * 255, so nothing overflows.
inline __m128i MixChannel(__m128i s, __m128i d, __m128i a, __m128i inverse) {
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(s, a), _mm_mullo_epi16(d, inverse)), 8);
}

inline __m128i AlphaEight(const std::uint16_t* dest, const std::uint32_t* pixels, __m128i scale) {
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dest));
    const __m128i mask5 = _mm_set1_epi16(0x1F);
    const __m128i mask6 = _mm_set1_epi16(0x3F);
    // The destination widened as ToRgb888 does: the top bits repeated.
    const __m128i d5r = _mm_srli_epi16(d, 11);
    const __m128i d6g = _mm_and_si128(_mm_srli_epi16(d, 5), mask6);
    const __m128i d5b = _mm_and_si128(d, mask5);
    const __m128i dr = _mm_or_si128(_mm_slli_epi16(d5r, 3), _mm_srli_epi16(d5r, 2));
    const __m128i dg = _mm_or_si128(_mm_slli_epi16(d6g, 2), _mm_srli_epi16(d6g, 4));
    const __m128i db = _mm_or_si128(_mm_slli_epi16(d5b, 3), _mm_srli_epi16(d5b, 2));
    __m128i sr, sg, sb, plane;
    SplitEight(pixels, sr, sg, sb, plane);
    // plane * scale is at most 255 * 256, which fits an unsigned 16-bit lane.
    const __m128i a = _mm_srli_epi16(_mm_mullo_epi16(plane, scale), 8);
    const __m128i inverse = _mm_sub_epi16(_mm_set1_epi16(255), a);
    const __m128i mixed =
        NarrowEight(MixChannel(sr, dr, a, inverse), MixChannel(sg, dg, a, inverse),
                    MixChannel(sb, db, a, inverse));
    const __m128i opaque = _mm_cmpeq_epi16(a, _mm_set1_epi16(255));
    const __m128i clear = _mm_cmpeq_epi16(a, _mm_setzero_si128());
    const __m128i solid = NarrowEight(sr, sg, sb);
    const __m128i result =
        _mm_or_si128(_mm_and_si128(opaque, solid), _mm_andnot_si128(opaque, mixed));
    return _mm_or_si128(_mm_and_si128(clear, d), _mm_andnot_si128(clear, result));
}
#endif

inline std::uint16_t AlphaPixel(std::uint16_t dest, std::uint32_t color, std::uint16_t color565,
                                unsigned a) {
    if (a == 255) {
        return color565;
    }
    if (a == 0) {
        return dest;
    }
    const std::uint32_t widened = PixelKernels::ToRgb888(dest);
    std::uint32_t mixed = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned s = (color >> shift) & 0xFF;
        const unsigned d = (widened >> shift) & 0xFF;
        mixed |= ((s * a + d * (255 - a)) >> 8) << shift;
    }
    return PixelKernels::ToRgb565(mixed);
}

} // namespace

void PixelKernels::BlendAlphaRowReference(std::uint16_t* dest, const std::uint32_t* pixels,
                                          unsigned scale, int count) {
    for (int i = 0; i < count; ++i) {
        const unsigned a = ((pixels[i] >> 24) * scale) >> 8;
        dest[i] = AlphaPixel(dest[i], pixels[i] & 0xFFFFFF, ToRgb565(pixels[i]), a);
    }
}

void PixelKernels::BlendAlphaRow(std::uint16_t* dest, const std::uint32_t* pixels, unsigned scale,
                                 int count) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i scaleVector = _mm_set1_epi16(static_cast<short>(scale));
    for (; i + 8 <= count; i += 8) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + i),
                         AlphaEight(dest + i, pixels + i, scaleVector));
    }
#endif
    BlendAlphaRowReference(dest + i, pixels + i, scale, count - i);
}

void PixelKernels::ToRgb565Row(const std::uint32_t* colors, std::uint16_t* dest, int count) {
    int i = 0;
#if defined(__SSE2__)
    // Each 565 value fits a 32-bit lane's low half; sign-extending that half lets the signed
    // pack keep it exactly.
    const auto fourPixels = [](const std::uint32_t* source) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source));
        const __m128i red = _mm_and_si128(_mm_srli_epi32(p, 8), _mm_set1_epi32(0xF800));
        const __m128i green = _mm_and_si128(_mm_srli_epi32(p, 5), _mm_set1_epi32(0x07E0));
        const __m128i blue = _mm_and_si128(_mm_srli_epi32(p, 3), _mm_set1_epi32(0x001F));
        const __m128i packed = _mm_or_si128(_mm_or_si128(red, green), blue);
        return _mm_srai_epi32(_mm_slli_epi32(packed, 16), 16);
    };
    for (; i + 8 <= count; i += 8) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + i),
                         _mm_packs_epi32(fourPixels(colors + i), fourPixels(colors + i + 4)));
    }
#endif
    for (; i < count; ++i) {
        dest[i] = ToRgb565(colors[i]);
    }
}

void PixelKernels::Fill(std::uint16_t* dest, std::ptrdiff_t destPitch, int width, int rows,
                        std::uint16_t value) {
    for (int y = 0; y < rows; ++y) {
        int x = 0;
#if defined(__SSE2__)
        const __m128i eight = _mm_set1_epi16(static_cast<short>(value));
        for (; x + 8 <= width; x += 8) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + x), eight);
        }
#endif
        std::fill(dest + x, dest + width, value);
        dest = Advance(dest, destPitch);
    }
}

void PixelKernels::Copy(std::uint16_t* dest, std::ptrdiff_t destPitch, const std::uint16_t* source,
                        std::ptrdiff_t sourcePitch, int width, int rows) {
    const std::size_t bytes = static_cast<std::size_t>(width) * sizeof(std::uint16_t);
    for (int y = 0; y < rows; ++y) {
        std::memcpy(dest, source, bytes);
        dest = Advance(dest, destPitch);
        source = Advance(source, sourcePitch);
    }
}

void PixelKernels::BlendKeyedReference(std::uint16_t* dest, std::ptrdiff_t destPitch,
                                       const std::uint16_t* source, std::ptrdiff_t sourcePitch,
                                       int width, int rows, std::uint16_t key, int alpha) {
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            if (source[x] != key) {
                dest[x] = BlendPixel(source[x], dest[x], alpha);
            }
        }
        dest = Advance(dest, destPitch);
        source = Advance(source, sourcePitch);
    }
}

void PixelKernels::BlendKeyed(std::uint16_t* dest, std::ptrdiff_t destPitch,
                              const std::uint16_t* source, std::ptrdiff_t sourcePitch, int width,
                              int rows, std::uint16_t key, int alpha) {
#if defined(__SSE2__)
    const __m128i alphaLanes = _mm_set1_epi16(static_cast<short>(alpha));
    const __m128i keyLanes = _mm_set1_epi16(static_cast<short>(key));
    const int wide = width & ~7;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < wide; x += 8) {
            const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + x));
            const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dest + x));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + x),
                             BlendEight(s, d, alphaLanes, keyLanes));
        }
        for (int x = wide; x < width; ++x) {
            if (source[x] != key) {
                dest[x] = BlendPixel(source[x], dest[x], alpha);
            }
        }
        dest = Advance(dest, destPitch);
        source = Advance(source, sourcePitch);
    }
#else
    BlendKeyedReference(dest, destPitch, source, sourcePitch, width, rows, key, alpha);
#endif
}

void PixelKernels::Darken(std::uint16_t* pixels, std::ptrdiff_t pitch, int width, int rows,
                          int factor) {
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned p = pixels[x];
            const unsigned r = ((p >> 11) * factor) >> 8;
            const unsigned g = (((p >> 5) & 0x3F) * factor) >> 8;
            const unsigned b = ((p & 0x1F) * factor) >> 8;
            pixels[x] = static_cast<std::uint16_t>(r << 11 | g << 5 | b);
        }
        pixels = Advance(pixels, pitch);
    }
}

} // namespace gfx
