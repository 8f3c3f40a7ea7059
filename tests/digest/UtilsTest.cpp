#include <gtest/gtest.h>

#include "digest/Blocks.h"
#include "digest/Hex.h"
#include "digest/Words.h"

using namespace quorvix::digest;

TEST(HexDigits, FixedWidthLowercase) {
    struct Row {
        uint64_t value;
        uint8_t count;
        const char* text;
    };
    const Row rows[] = {
        {0, 8, "00000000"},
        {0x1234, 2, "34"},
        {0x0123456789abcdefULL, 16, "0123456789abcdef"},
        {0x9adf6fde, 8, "9adf6fde"},
        {10, 2, "0a"},
        {0xffffffffffffffffULL, 18, "00ffffffffffffffff"},
        {0xABCDEF, 6, "abcdef"},
    };
    for (const Row& row : rows) EXPECT_EQ(HexDigits(row.value, row.count), row.text) << row.value;
}

TEST(Rotations, CountsWrapAndZeroIsIdentity) {
    EXPECT_EQ(RotR64(0x8000000000000001ULL, 0), 0x8000000000000001ULL);
    EXPECT_EQ(RotR64(1, 1), 0x8000000000000000ULL);
    EXPECT_EQ(RotL32(0x80000001u, 1), 0x00000003u);
    EXPECT_EQ(RotL32(0x12345678u, 32), 0x12345678u);
    EXPECT_EQ(RotL32(0x12345678u, 36), RotL32(0x12345678u, 4));
    EXPECT_EQ(RotR32(0x00000003u, 1), 0x80000001u);
    EXPECT_EQ(RotR32(0x12345678u, 0), 0x12345678u);
    EXPECT_EQ(RotR32(0x12345678u, 8), 0x78123456u);
}

TEST(ByteSwaps, ReverseByteOrder) {
    EXPECT_EQ(Swap32(0x01020304u), 0x04030201u);
    EXPECT_EQ(Swap64(0x0807060504030201ULL), 0x0102030405060708ULL);
}

TEST(HexBytes, EveryLengthAndByteValue) {
    uint8_t bytes[300];
    for (int i = 0; i < 300; ++i) bytes[i] = uint8_t(i * 37 + 11);
    for (size_t count = 0; count <= 300; ++count) {
        std::string expected;
        for (size_t i = 0; i < count; ++i) expected += HexDigits(bytes[i], 2);
        // The text is replaced whatever it held: shorter, of the same length, or longer.
        for (const std::string& before : {std::string("stale"), std::string(2 * count, 'x'), std::string(700, 'y')}) {
            std::string text = before;
            WriteHexBytes(text, bytes, count);
            ASSERT_EQ(text, expected) << count << " over " << before.size();
        }
    }
}

TEST(HexWords, BothByteOrdersAndEveryCount) {
    uint32_t words32[9];
    uint64_t words64[9];
    for (int i = 0; i < 9; ++i) {
        words32[i] = 0x01234567u * uint32_t(i + 1) ^ 0x89abcdefu;
        words64[i] = 0x0123456789abcdefULL * uint64_t(i + 3) ^ 0xfedcba9876543210ULL;
    }
    for (size_t count = 0; count <= 9; ++count) {
        for (bool bigEndian : {false, true}) {
            std::string expected32, expected64, text32 = "stale text", text64(200, 'y');
            for (size_t i = 0; i < count; ++i) {
                expected32 += HexDigits(bigEndian ? words32[i] : Swap32(words32[i]), 8);
                expected64 += HexDigits(bigEndian ? words64[i] : Swap64(words64[i]), 16);
            }
            WriteHexWords32(text32, words32, count, bigEndian);
            WriteHexWords64(text64, words64, count, bigEndian);
            EXPECT_EQ(text32, expected32) << count << " " << bigEndian;
            EXPECT_EQ(text64, expected64) << count << " " << bigEndian;
        }
    }
}

// The end of a message as a final lays it out: the buffered bytes, the mark, zeros, and
// one block more when the length field no longer fits; bytes of the buffer past `fill`
// (left over from earlier blocks) must not show through.
template <size_t Block>
void CheckTailLayout(size_t lengthBytes) {
    uint8_t buffer[Block];
    for (size_t i = 0; i < Block; ++i) buffer[i] = uint8_t(0xa0 + i);
    for (uint8_t mark : {uint8_t(0x80), uint8_t(0x01)}) {
        for (size_t fill = 0; fill <= Block; ++fill) {
            uint8_t last[2 * Block];
            std::memset(last, 0xee, sizeof last);
            const size_t blocks = LayOutTail<Block>(last, buffer, fill, mark, lengthBytes);
            ASSERT_EQ(blocks, fill + 1 + lengthBytes <= Block ? 1u : 2u) << Block << " fill " << fill;
            for (size_t i = 0; i < blocks * Block; ++i) {
                const uint8_t expected = i < fill ? buffer[i] : i == fill ? mark : 0;
                ASSERT_EQ(last[i], expected) << Block << " fill " << fill << " byte " << i;
            }
        }
    }
}

TEST(TailLayout, EveryFillOfBothBlockSizes) {
    CheckTailLayout<64>(8);
    CheckTailLayout<128>(16);
}
