#include "Crc32.h"

#include <array>

namespace zelib {

namespace {

// CRC-32 works on polynomials over GF(2) in reflected bit order: bit 31 is
// x^0. Appending n zero bytes to data multiplies its CRC register by x^(8n)
// modulo the polynomial, which is what the combination needs.
constexpr uint32_t kPolynomial = 0xEDB88320u;

uint32_t multiplyModP(uint32_t a, uint32_t b) {
    uint32_t product = 0;
    for (uint32_t m = 1u << 31; m != 0; m >>= 1) {
        if (a & m)
            product ^= b;
        b = (b & 1) ? (b >> 1) ^ kPolynomial : b >> 1;
    }
    return product;
}

// powers[k] = x^(2^k) mod P.
std::array<uint32_t, 64> makePowers() {
    std::array<uint32_t, 64> powers{};
    uint32_t p = 1u << 30;  // x^1
    for (uint32_t &power : powers) {
        power = p;
        p = multiplyModP(p, p);
    }
    return powers;
}

// x^(8 * bytes) mod P.
uint32_t shiftForBytes(uint64_t bytes) {
    static const std::array<uint32_t, 64> powers = makePowers();
    uint32_t result = 1u << 31;  // x^0
    unsigned k = 3;              // 8 bits per byte
    for (; bytes != 0; bytes >>= 1, ++k)
        if (bytes & 1)
            result = multiplyModP(powers[k % 64], result);
    return result;
}

}  // namespace

uint32_t crc32Combine(uint32_t first, uint32_t second, uint64_t secondLength) {
    return multiplyModP(shiftForBytes(secondLength), first) ^ second;
}

}  // namespace zelib
