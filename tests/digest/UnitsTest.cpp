// The algorithm units' own operations: buffering, state clearing, length fields.
#include <gtest/gtest.h>

#include <cstring>

#include "DigestTestSupport.h"
#include "digest/Gost.h"
#include "digest/MD.h"
#include "digest/RIPEMD.h"
#include "digest/Tiger.h"

using namespace quorvix::digest;

TEST(MdUnit, WholeBlocksComeStraightFromTheDataAndTheTailIsKept) {
    const auto message = RandomBytes(200, 21);
    MdState state;
    MdInit(state, 5);
    MdUpdate(state, message.data(), 200);
    EXPECT_EQ(state.bitCount[0], 1600u);
    EXPECT_EQ(state.bitCount[1], 0u);
    EXPECT_EQ(std::memcmp(state.buffer, message.data() + 192, 8), 0);
}

TEST(MdUnit, BitCountCarriesIntoTheHighWord) {
    MdState state;
    MdInit(state, 4);
    state.bitCount[0] = 0xfffffff8u;  // one byte short of 2^32 bits
    const uint8_t two[2] = {1, 2};
    MdUpdate(state, two, 2);
    EXPECT_EQ(state.bitCount[0], 8u);
    EXPECT_EQ(state.bitCount[1], 1u);
}

TEST(MdUnit, FinalClearsTheWholeState) {
    MdState state;
    MdInit(state, 5);
    const auto message = RandomBytes(77, 22);
    MdUpdate(state, message.data(), 77);
    std::string digest;
    MdFinal(state, digest);
    EXPECT_EQ(digest, Digest(HASH_MD5, message));
    MdState zero;
    std::memset(&zero, 0, sizeof zero);
    EXPECT_EQ(std::memcmp(&state, &zero, sizeof state), 0);
}

TEST(Md2Unit, SixteenBytesGetAWholePaddingBlock) {
    Md2State state;
    Md2Init(state, 2);
    const auto message = RandomBytes(16, 23);
    Md2Update(state, message.data(), 16);
    EXPECT_EQ(state.bufferFill, 0);
    std::string digest;
    Md2Final(state, digest);
    EXPECT_EQ(digest, Digest(HASH_MD2, message));
}

TEST(GostUnit, ALastWholeBlockWaitsForTheFinal) {
    const auto message = RandomBytes(64, 24);
    GostState state;
    GostInit(state, 0);
    GostUpdate(state, message.data(), 64);
    EXPECT_EQ(state.partialFill, 32u);
    EXPECT_EQ(state.length[0], 256u);  // only the first block is compressed
    std::string digest;
    GostFinal(state, digest);
    EXPECT_EQ(digest, Digest(HASH_GOST, message));
}

// The length fields of Tiger and RIPEMD count past 32 bits: a message of 512 MiB
// (2^32 bits) or 4 GiB (2^32 bytes) must not finish like the empty message.
TEST(LengthFields, TigerCountsBitsIn64Bits) {
    for (uint64_t bits : {uint64_t(1) << 32, uint64_t(1) << 35, (uint64_t(1) << 40) + 512}) {
        TigerState empty, longer;
        TigerInit(empty, 192);
        TigerInit(longer, 192);
        longer.bitCount = bits;
        std::string emptyDigest, longDigest;
        TigerFinal(empty, emptyDigest);
        TigerFinal(longer, longDigest);
        EXPECT_NE(longDigest, emptyDigest) << bits;
        // The field holds the bit count itself, little-endian.
        uint64_t field;
        std::memcpy(&field, longer.buffer + 56, 8);
        EXPECT_EQ(field, bits);
    }
}

TEST(LengthFields, RipemdCountsBytesIn64Bits) {
    for (uint16_t variant : {128, 160}) {
        for (uint64_t bytes : {uint64_t(1) << 32, (uint64_t(1) << 33) + 64}) {
            RipemdState empty, longer;
            RipemdInit(empty, variant);
            RipemdInit(longer, variant);
            longer.byteCount = bytes;
            std::string emptyDigest, longDigest;
            RipemdFinal(empty, emptyDigest);
            RipemdFinal(longer, longDigest);
            EXPECT_NE(longDigest, emptyDigest) << variant << " " << bytes;
        }
    }
}

TEST(LengthFields, RipemdPadPlacesTheHighCount) {
    // Padding a 2^32-byte message with the high count given must differ from
    // padding the empty message, and agree with the 64-bit count of the final.
    uint32_t fromPad[5] = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476, 0xc3d2e1f0};
    RipemdPad(fromPad, nullptr, 0, 1, 160);
    RipemdState state;
    RipemdInit(state, 160);
    state.byteCount = uint64_t(1) << 32;
    std::string digest;
    RipemdFinal(state, digest);
    EXPECT_EQ(std::memcmp(fromPad, state.hash, sizeof fromPad), 0);
}
