#include "shell/PixelKernels.h"

#include <cstring>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
#endif

} // namespace

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
