#include "Crc32Kernels.h"

#include <libdeflate.h>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TOVRANE_WIDE_CRC 1
#include <immintrin.h>
#endif

namespace tools::kernels {

quint32 deflateCrc32(quint32 crc, const unsigned char *data, std::size_t length) {
    // libdeflate answers a null buffer with its start value whatever the
    // register holds, so an empty block must not reach it.
    if (length == 0)
        return crc;
    // libdeflate takes and returns the finished value (the register's
    // complement), so the register crosses over complemented both ways.
    return ~libdeflate_crc32(~crc, data, length);
}

#ifdef TOVRANE_WIDE_CRC

namespace {

// x^n mod G for the zip polynomial, in the bit-reflected form the data has
// (bit 31 - i holds the coefficient of x^i).
constexpr quint64 xPowerModG(int n) {
    quint64 r = 1;
    for (int i = 0; i < n; ++i) {
        r <<= 1;
        if (r & (quint64(1) << 32))
            r ^= 0x104C11DB7ULL;
    }
    quint64 reflected = 0;
    for (int i = 0; i < 32; ++i)
        if (r & (quint64(1) << i))
            reflected |= quint64(1) << (31 - i);
    return reflected;
}

// Moving a 128-bit block of reflected data `bits` further along the
// message: the low half is multiplied by x^(bits+31) and the high half by
// x^(bits-33) (the carry-less product adds x^33 of its own).
struct FoldPair {
    quint64 low, high;
};
constexpr FoldPair foldBy(int bits) {
    return {xPowerModG(bits + 31), xPowerModG(bits - 33)};
}

constexpr FoldPair kFold128 = foldBy(128);
constexpr FoldPair kFold512 = foldBy(512);
constexpr FoldPair kFold2048 = foldBy(2048);
static_assert(kFold128.low == 0xAE689191 && kFold128.high == 0xCCAA009E,
              "the published folding constants for 128 bits");

#define TOVRANE_WIDE_TARGET __attribute__((target("avx512f,vpclmulqdq,pclmul,sse4.1")))

TOVRANE_WIDE_TARGET inline __m512i broadcast(FoldPair pair) {
    const auto low = static_cast<long long>(pair.low);
    const auto high = static_cast<long long>(pair.high);
    return _mm512_set_epi64(high, low, high, low, high, low, high, low);
}

// One 128-bit lane (the zero-masked form: GCC 12 warns about the plain form's
// deliberately undefined filler).
template <int lane>
TOVRANE_WIDE_TARGET inline __m128i laneOf(__m512i x) {
    return _mm512_maskz_extracti32x4_epi32(0xF, x, lane);
}

// next ^ (block folded forward onto it), in each 128-bit lane.
TOVRANE_WIDE_TARGET inline __m512i fold(__m512i block, __m512i next, __m512i pair) {
    return _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(block, pair, 0x00),
                                     _mm512_clmulepi64_epi128(block, pair, 0x11), next, 0x96);
}

TOVRANE_WIDE_TARGET inline __m128i fold(__m128i block, __m128i next, __m128i pair) {
    return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(block, pair, 0x00),
                                       _mm_clmulepi64_si128(block, pair, 0x11)),
                         next);
}

TOVRANE_WIDE_TARGET inline __m512i load(const unsigned char *p) {
    return _mm512_loadu_si512(p);
}

}  // namespace

bool hasWideCrc32() {
    static const bool available =
        __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("vpclmulqdq");
    return available;
}

TOVRANE_WIDE_TARGET quint32 wideCrc32(quint32 crc, const unsigned char *data, std::size_t length) {
    // The register is the same as the message's first four bytes XORed
    // with it and a register of zero; with a zero register, leading zero
    // bits change nothing, so any shorter message that is the same
    // polynomial modulo G has the same checksum. Folding makes one.
    const __m512i by2048 = broadcast(kFold2048);
    const __m512i by512 = broadcast(kFold512);
    __m512i x0 = _mm512_xor_si512(load(data),
                                  _mm512_zextsi128_si512(_mm_cvtsi32_si128(static_cast<int>(crc))));
    __m512i x1 = load(data + 64);
    __m512i x2 = load(data + 128);
    __m512i x3 = load(data + 192);
    std::size_t done = 256;
    for (; length - done >= 256; done += 256) {
        x0 = fold(x0, load(data + done), by2048);
        x1 = fold(x1, load(data + done + 64), by2048);
        x2 = fold(x2, load(data + done + 128), by2048);
        x3 = fold(x3, load(data + done + 192), by2048);
    }
    __m512i x = fold(fold(fold(x0, x1, by512), x2, by512), x3, by512);
    for (; length - done >= 64; done += 64)
        x = fold(x, load(data + done), by512);

    const __m128i by128 =
        _mm_set_epi64x(static_cast<long long>(kFold128.high), static_cast<long long>(kFold128.low));
    __m128i folded = laneOf<0>(x);
    folded = fold(folded, laneOf<1>(x), by128);
    folded = fold(folded, laneOf<2>(x), by128);
    folded = fold(folded, laneOf<3>(x), by128);

    // What is left, sixteen folded bytes and a tail under 64 bytes, is
    // short: libdeflate finishes it from a zero register.
    alignas(16) unsigned char rest[16];
    _mm_store_si128(reinterpret_cast<__m128i *>(rest), folded);
    return deflateCrc32(deflateCrc32(0, rest, sizeof rest), data + done, length - done);
}

#else

bool hasWideCrc32() {
    return false;
}

quint32 wideCrc32(quint32 crc, const unsigned char *data, std::size_t length) {
    return deflateCrc32(crc, data, length);
}

#endif

}  // namespace tools::kernels
