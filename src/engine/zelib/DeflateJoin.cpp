#include "DeflateJoin.h"

#include <array>

namespace zelib {

namespace {

// Reads the stream least significant bit first, as deflate packs it. Reading
// past the end yields zero bits; the walker checks overrun() so that a
// damaged stream cannot make it run on.
class BitStream {
  public:
    BitStream(const uint8_t *data, size_t size) : data_(data), size_(size) {}

    uint32_t peek(unsigned count) {
        refill();
        return static_cast<uint32_t>(buffer_ & ((uint64_t{1} << count) - 1));
    }
    void skip(unsigned count) {
        refill();
        buffer_ >>= count;
        available_ -= count;
    }
    uint32_t take(unsigned count) {
        const uint32_t value = peek(count);
        skip(count);
        return value;
    }
    uint64_t position() const { return next_ * 8 - available_; }
    void seek(uint64_t bit) {
        next_ = bit / 8;
        buffer_ = 0;
        available_ = 0;
        skip(static_cast<unsigned>(bit % 8));
    }
    bool overrun() const { return position() > uint64_t{size_} * 8; }

  private:
    void refill() {
        while (available_ <= 56) {
            const uint64_t byte = next_ < size_ ? data_[next_] : 0;
            buffer_ |= byte << available_;
            ++next_;
            available_ += 8;
        }
    }

    const uint8_t *data_;
    size_t size_;
    size_t next_ = 0;
    uint64_t buffer_ = 0;
    unsigned available_ = 0;
};

// Canonical Huffman decoding: a table for codes up to kFastBits long, and a
// bit-by-bit walk of the code lengths for the rare longer ones.
class Huffman {
  public:
    bool build(const uint8_t *lengths, unsigned count) {
        counts_.fill(0);
        fast_.fill(0);
        for (unsigned i = 0; i < count; ++i)
            ++counts_[lengths[i]];
        counts_[0] = 0;
        int left = 1;
        for (unsigned len = 1; len <= kMaxBits; ++len) {
            left = (left << 1) - counts_[len];
            if (left < 0)
                return false;  // more codes than the lengths allow
        }
        std::array<uint16_t, kMaxBits + 2> offsets{};
        for (unsigned len = 1; len <= kMaxBits; ++len)
            offsets[len + 1] = static_cast<uint16_t>(offsets[len] + counts_[len]);
        for (unsigned symbol = 0; symbol < count; ++symbol)
            if (lengths[symbol] != 0)
                symbols_[offsets[lengths[symbol]]++] = static_cast<uint16_t>(symbol);

        unsigned code = 0, index = 0;
        for (unsigned len = 1; len <= kMaxBits; ++len) {
            for (unsigned k = 0; k < counts_[len]; ++k, ++code, ++index) {
                if (len > kFastBits)
                    continue;
                unsigned reversed = 0;
                for (unsigned bit = 0; bit < len; ++bit)
                    reversed |= ((code >> bit) & 1) << (len - 1 - bit);
                const uint16_t entry = static_cast<uint16_t>((symbols_[index] << 4) | len);
                for (unsigned slot = reversed; slot < fast_.size(); slot += 1u << len)
                    fast_[slot] = entry;
            }
            code <<= 1;
        }
        return true;
    }

    int decode(BitStream &in) const {
        const uint16_t entry = fast_[in.peek(kFastBits)];
        if (entry != 0) {
            in.skip(entry & 15);
            return entry >> 4;
        }
        int code = 0, first = 0, index = 0;
        for (unsigned len = 1; len <= kMaxBits; ++len) {
            code |= static_cast<int>(in.take(1));
            const int count = counts_[len];
            if (code - count < first)
                return symbols_[static_cast<size_t>(index + (code - first))];
            index += count;
            first = (first + count) << 1;
            code <<= 1;
        }
        return -1;
    }

  private:
    static constexpr unsigned kMaxBits = 15;
    static constexpr unsigned kFastBits = 10;
    std::array<uint16_t, kMaxBits + 1> counts_{};
    std::array<uint16_t, 288> symbols_{};
    std::array<uint16_t, 1u << kFastBits> fast_{};
};

constexpr std::array<uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<uint8_t, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                    4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                    9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

struct FixedCodes {
    Huffman literals, distances;
    FixedCodes() {
        std::array<uint8_t, 288> lengths{};
        for (unsigned i = 0; i < 288; ++i)
            lengths[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
        literals.build(lengths.data(), 288);
        std::array<uint8_t, 30> distanceLengths{};
        distanceLengths.fill(5);
        distances.build(distanceLengths.data(), 30);
    }
};

// Walks the codes of one compressed block up to its end-of-block code.
bool skipCodes(BitStream &in, const Huffman &literals, const Huffman &distances) {
    for (;;) {
        const int symbol = literals.decode(in);
        if (symbol < 0 || in.overrun())
            return false;
        if (symbol < 256)
            continue;
        if (symbol == 256)
            return true;
        const unsigned length = static_cast<unsigned>(symbol - 257);
        if (length >= kLengthExtra.size())
            return false;
        in.skip(kLengthExtra[length]);
        const int distance = distances.decode(in);
        if (distance < 0 || static_cast<unsigned>(distance) >= kDistanceExtra.size())
            return false;
        in.skip(kDistanceExtra[static_cast<unsigned>(distance)]);
    }
}

bool skipDynamicBlock(BitStream &in) {
    const unsigned literalCount = in.take(5) + 257;
    const unsigned distanceCount = in.take(5) + 1;
    const unsigned lengthCodeCount = in.take(4) + 4;
    if (literalCount > 286 || distanceCount > 30)
        return false;

    static constexpr std::array<uint8_t, 19> kOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                       11, 4,  12, 3, 13, 2, 14, 1, 15};
    std::array<uint8_t, 19> lengthCodeLengths{};
    for (unsigned i = 0; i < lengthCodeCount; ++i)
        lengthCodeLengths[kOrder[i]] = static_cast<uint8_t>(in.take(3));
    Huffman lengthCode;
    if (!lengthCode.build(lengthCodeLengths.data(), 19))
        return false;

    std::array<uint8_t, 286 + 30> lengths{};
    unsigned index = 0;
    while (index < literalCount + distanceCount) {
        const int symbol = lengthCode.decode(in);
        if (symbol < 0 || in.overrun())
            return false;
        if (symbol < 16) {
            lengths[index++] = static_cast<uint8_t>(symbol);
            continue;
        }
        uint8_t value = 0;
        unsigned repeat = 0;
        if (symbol == 16) {
            if (index == 0)
                return false;
            value = lengths[index - 1];
            repeat = 3 + in.take(2);
        } else if (symbol == 17) {
            repeat = 3 + in.take(3);
        } else {
            repeat = 11 + in.take(7);
        }
        if (index + repeat > literalCount + distanceCount)
            return false;
        while (repeat-- > 0)
            lengths[index++] = value;
    }
    if (lengths[256] == 0)
        return false;  // a block needs its end-of-block code
    Huffman literals, distances;
    if (!literals.build(lengths.data(), literalCount))
        return false;
    if (!distances.build(lengths.data() + literalCount, distanceCount))
        return false;
    return skipCodes(in, literals, distances);
}

}  // namespace

bool findFinalBlock(const uint8_t *data, size_t size, uint64_t &finalHeader, uint64_t &end) {
    static const FixedCodes fixed;
    BitStream in(data, size);
    for (;;) {
        const uint64_t header = in.position();
        const bool final = in.take(1) != 0;
        const unsigned type = in.take(2);
        if (type == 0) {
            in.seek((in.position() + 7) / 8 * 8);
            const uint32_t length = in.take(16);
            const uint32_t check = in.take(16);
            if ((length ^ 0xFFFFu) != check)
                return false;
            in.seek(in.position() + uint64_t{length} * 8);
        } else if (type == 1) {
            if (!skipCodes(in, fixed.literals, fixed.distances))
                return false;
        } else if (type == 2) {
            if (!skipDynamicBlock(in))
                return false;
        } else {
            return false;
        }
        if (in.overrun())
            return false;
        if (final) {
            finalHeader = header;
            end = in.position();
            return true;
        }
    }
}

bool makeJoinable(std::vector<uint8_t> &stream) {
    uint64_t header = 0, end = 0;
    if (!findFinalBlock(stream.data(), stream.size(), header, end))
        return false;
    if ((end + 7) / 8 != stream.size())
        return false;  // trailing bytes we do not understand

    stream[header / 8] = static_cast<uint8_t>(stream[header / 8] & ~(1u << (header % 8)));
    if (end % 8 != 0)
        stream[end / 8] = static_cast<uint8_t>(stream[end / 8] & ((1u << (end % 8)) - 1));
    // Empty stored block: BFINAL 0 and BTYPE 00 (three zero bits), padding to
    // the byte boundary, then LEN 0 and NLEN 0xFFFF.
    stream.resize((end + 3 + 7) / 8, 0);
    stream.insert(stream.end(), {0x00, 0x00, 0xFF, 0xFF});
    return true;
}

void appendStoredBlocks(std::vector<uint8_t> &stream, const uint8_t *data, size_t size) {
    while (size > 0) {
        const size_t piece = size < 0xFFFF ? size : 0xFFFF;
        const uint16_t length = static_cast<uint16_t>(piece);
        const uint16_t check = static_cast<uint16_t>(~length);
        stream.insert(stream.end(),
                      {0x00, static_cast<uint8_t>(length & 0xFF), static_cast<uint8_t>(length >> 8),
                       static_cast<uint8_t>(check & 0xFF), static_cast<uint8_t>(check >> 8)});
        stream.insert(stream.end(), data, data + piece);
        data += piece;
        size -= piece;
    }
}

}  // namespace zelib
