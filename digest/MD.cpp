#include "MD.h"

#include <cstring>

#include "Blocks.h"
#include "Hex.h"
#include "Lanes.h"
#include "Words.h"

namespace quorvix::digest {
namespace {

// RFC 1319, section 3.2: the permutation S built from the digits of pi.
constexpr uint8_t kMd2S[256] = {
    41, 46, 67, 201, 162, 216, 124, 1, 61, 54, 84, 161, 236, 240, 6, 19,
    98, 167, 5, 243, 192, 199, 115, 140, 152, 147, 43, 217, 188, 76, 130, 202,
    30, 155, 87, 60, 253, 212, 224, 22, 103, 66, 111, 24, 138, 23, 229, 18,
    190, 78, 196, 214, 218, 158, 222, 73, 160, 251, 245, 142, 187, 47, 238, 122,
    169, 104, 121, 145, 21, 178, 7, 63, 148, 194, 16, 137, 11, 34, 95, 33,
    128, 127, 93, 154, 90, 144, 50, 39, 53, 62, 204, 231, 191, 247, 151, 3,
    255, 25, 48, 179, 72, 165, 181, 209, 215, 94, 146, 42, 172, 86, 170, 198,
    79, 184, 56, 210, 150, 164, 125, 182, 118, 252, 107, 226, 156, 116, 4, 241,
    69, 157, 112, 89, 100, 113, 135, 32, 134, 91, 207, 101, 230, 45, 168, 2,
    27, 96, 37, 173, 174, 176, 185, 246, 28, 70, 97, 105, 52, 64, 126, 15,
    85, 71, 163, 35, 221, 81, 175, 58, 195, 92, 249, 206, 186, 197, 234, 38,
    44, 83, 13, 110, 133, 40, 132, 9, 211, 223, 205, 244, 65, 129, 77, 82,
    106, 220, 55, 200, 108, 193, 171, 250, 36, 225, 123, 8, 12, 189, 177, 74,
    120, 136, 149, 139, 227, 99, 232, 109, 233, 203, 213, 254, 59, 0, 29, 57,
    242, 239, 183, 14, 102, 88, 208, 228, 166, 119, 114, 248, 235, 117, 75, 10,
    49, 68, 80, 180, 143, 237, 31, 26, 219, 153, 141, 51, 159, 17, 131, 20,
};

// RFC 1321, section 3.4: T[i] = floor(2^32 * abs(sin(i))), i = 1..64.
constexpr uint32_t kMd5T[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee,
    0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be,
    0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa,
    0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed,
    0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c,
    0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05,
    0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039,
    0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1,
    0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

constexpr uint32_t kMdInitial[4] = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};

void Md2Compress(Md2State& state) {
    uint8_t t = 0;
    for (uint8_t j = 0; j < 18; ++j) {
        for (uint8_t& b : state.x) {
            b ^= kMd2S[t];
            t = b;
        }
        t = uint8_t(t + j);
    }
}

}  // namespace

void Md2Init(Md2State& state, uint32_t) {
    std::memset(state.x, 0, 16);
    std::memset(state.checksum, 0, sizeof state.checksum);
    state.bufferFill = 0;
    state.checksumLast = 0;
}

void Md2AddByte(Md2State& state, uint8_t byte) {
    const uint8_t n = state.bufferFill;
    state.x[16 + n] = byte;
    state.x[32 + n] = state.x[n] ^ byte;
    // XOR into the checksum byte, as the RFC 1319 test suite requires.
    state.checksum[n] ^= kMd2S[byte ^ state.checksumLast];
    state.checksumLast = state.checksum[n];
    state.bufferFill = uint8_t((n + 1) & 15);
    if (state.bufferFill == 0) Md2Compress(state);
}

void Md2Update(Md2State& state, const uint8_t* data, uint32_t length) {
    for (uint32_t i = 0; i < length; ++i) Md2AddByte(state, data[i]);
}

void Md2Final(Md2State& state, std::string& digest) {
    const uint8_t pad = uint8_t(16 - state.bufferFill);
    for (uint8_t i = 0; i < pad; ++i) Md2AddByte(state, pad);
    // Each step changes only its own checksum byte, after reading it.
    for (int i = 0; i < 16; ++i) Md2AddByte(state, state.checksum[i]);
    WriteHexBytes(digest, state.x, 16);
}

void MdInit(MdState& state, uint32_t variant) {
    state.transform = variant == 4 ? Md4Transform : Md5Transform;
    std::memcpy(state.hash, kMdInitial, sizeof state.hash);
    state.bitCount[0] = state.bitCount[1] = 0;
}

void MdUpdate(MdState& state, const uint8_t* data, uint32_t length) {
    uint32_t fill = (state.bitCount[0] >> 3) & 63;
    const uint32_t bits = length << 3;
    state.bitCount[0] += bits;
    if (state.bitCount[0] < bits) ++state.bitCount[1];
    state.bitCount[1] += length >> 29;
    AbsorbBlocks<64>(state.buffer, fill, data, length,
                     [&](const uint8_t* blocks, size_t count) { state.transform(state.hash, blocks, count); });
}

// The tail, the padding and the length field are laid out in one or two blocks on the
// stack and compressed in a single call.
void MdFinal(MdState& state, std::string& digest) {
    const uint32_t fill = (state.bitCount[0] >> 3) & 63;
    alignas(64) uint8_t last[128];
    const size_t blocks = LayOutTail<64>(last, state.buffer, fill, 0x80, 8);
    StoreLE32(last + blocks * 64 - 8, state.bitCount[0]);
    StoreLE32(last + blocks * 64 - 4, state.bitCount[1]);
    state.transform(state.hash, last, blocks);

    WriteHexWords32(digest, state.hash, 4, false);
    Wipe(state);
}

// The 64 steps of RFC 1321, section 3.4, in order: each names its function, the
// working variables in their turned roles, the message word, the shift and T's index.
// The one-message code and the lanes' code both expand it.
#define MD5_STEPS(F, G, H, I) \
    F(a, b, c, d, 0, 7, 0);   F(d, a, b, c, 1, 12, 1);   F(c, d, a, b, 2, 17, 2);   F(b, c, d, a, 3, 22, 3); \
    F(a, b, c, d, 4, 7, 4);   F(d, a, b, c, 5, 12, 5);   F(c, d, a, b, 6, 17, 6);   F(b, c, d, a, 7, 22, 7); \
    F(a, b, c, d, 8, 7, 8);   F(d, a, b, c, 9, 12, 9);   F(c, d, a, b, 10, 17, 10); F(b, c, d, a, 11, 22, 11); \
    F(a, b, c, d, 12, 7, 12); F(d, a, b, c, 13, 12, 13); F(c, d, a, b, 14, 17, 14); F(b, c, d, a, 15, 22, 15); \
    G(a, b, c, d, 1, 5, 16);  G(d, a, b, c, 6, 9, 17);   G(c, d, a, b, 11, 14, 18); G(b, c, d, a, 0, 20, 19); \
    G(a, b, c, d, 5, 5, 20);  G(d, a, b, c, 10, 9, 21);  G(c, d, a, b, 15, 14, 22); G(b, c, d, a, 4, 20, 23); \
    G(a, b, c, d, 9, 5, 24);  G(d, a, b, c, 14, 9, 25);  G(c, d, a, b, 3, 14, 26);  G(b, c, d, a, 8, 20, 27); \
    G(a, b, c, d, 13, 5, 28); G(d, a, b, c, 2, 9, 29);   G(c, d, a, b, 7, 14, 30);  G(b, c, d, a, 12, 20, 31); \
    H(a, b, c, d, 5, 4, 32);  H(d, a, b, c, 8, 11, 33);  H(c, d, a, b, 11, 16, 34); H(b, c, d, a, 14, 23, 35); \
    H(a, b, c, d, 1, 4, 36);  H(d, a, b, c, 4, 11, 37);  H(c, d, a, b, 7, 16, 38);  H(b, c, d, a, 10, 23, 39); \
    H(a, b, c, d, 13, 4, 40); H(d, a, b, c, 0, 11, 41);  H(c, d, a, b, 3, 16, 42);  H(b, c, d, a, 6, 23, 43); \
    H(a, b, c, d, 9, 4, 44);  H(d, a, b, c, 12, 11, 45); H(c, d, a, b, 15, 16, 46); H(b, c, d, a, 2, 23, 47); \
    I(a, b, c, d, 0, 6, 48);  I(d, a, b, c, 7, 10, 49);  I(c, d, a, b, 14, 15, 50); I(b, c, d, a, 5, 21, 51); \
    I(a, b, c, d, 12, 6, 52); I(d, a, b, c, 3, 10, 53);  I(c, d, a, b, 10, 15, 54); I(b, c, d, a, 1, 21, 55); \
    I(a, b, c, d, 8, 6, 56);  I(d, a, b, c, 15, 10, 57); I(c, d, a, b, 6, 15, 58);  I(b, c, d, a, 13, 21, 59); \
    I(a, b, c, d, 4, 6, 60);  I(d, a, b, c, 11, 10, 61); I(c, d, a, b, 2, 15, 62);  I(b, c, d, a, 9, 21, 63)

// The steps are written so that only the last operations wait for the newest word:
// the message word, the constant and the oldest word are added first, and each
// Boolean function is arranged to need the newest word (b) at most two operations deep.

// The loop both transforms share: the chaining values stay in registers across the
// blocks, and each block's rounds are added back into them.
template <typename Rounds>
__attribute__((always_inline)) inline void CompressBlocks(uint32_t* hash, const uint8_t* data, size_t blocks,
                                                          Rounds rounds) {
    uint32_t a = hash[0], b = hash[1], c = hash[2], d = hash[3];
    for (; blocks > 0; --blocks, data += 64) {
        uint32_t aa = a, bb = b, cc = c, dd = d;
        rounds(data, aa, bb, cc, dd);
        a += aa;
        b += bb;
        c += cc;
        d += dd;
    }
    hash[0] = a;
    hash[1] = b;
    hash[2] = c;
    hash[3] = d;
}

// RFC 1320, section 3.4.
void Md4Transform(uint32_t* hash, const uint8_t* data, size_t blocks) {
    CompressBlocks(hash, data, blocks, [](const uint8_t* data, uint32_t& a, uint32_t& b, uint32_t& c, uint32_t& d)
                                            __attribute__((always_inline)) {
        // Message words are read where they are used, straight from the block.
        auto x = [data](int k) { return LoadLE32(data + 4 * k); };
#define MD4_F(a, b, c, d, k, s) a = RotL32(a + x(k) + (d ^ (b & (c ^ d))), s)
// The majority of b, c, d is (c & d) plus (b & (c ^ d)): disjoint bits, so only one
// operation waits for b.
#define MD4_G(a, b, c, d, k, s) a = RotL32(a + (x(k) + 0x5a827999u) + (c & d) + (b & (c ^ d)), s)
#define MD4_H(a, b, c, d, k, s) a = RotL32(a + (x(k) + 0x6ed9eba1u) + (b ^ (c ^ d)), s)
        for (int k = 0; k < 16; k += 4) {
            MD4_F(a, b, c, d, k + 0, 3);
            MD4_F(d, a, b, c, k + 1, 7);
            MD4_F(c, d, a, b, k + 2, 11);
            MD4_F(b, c, d, a, k + 3, 19);
        }
        for (int k = 0; k < 4; ++k) {
            MD4_G(a, b, c, d, k + 0, 3);
            MD4_G(d, a, b, c, k + 4, 5);
            MD4_G(c, d, a, b, k + 8, 9);
            MD4_G(b, c, d, a, k + 12, 13);
        }
        constexpr int kRound3[4] = {0, 2, 1, 3};
        for (int k : kRound3) {
            MD4_H(a, b, c, d, k + 0, 3);
            MD4_H(d, a, b, c, k + 8, 9);
            MD4_H(c, d, a, b, k + 4, 11);
            MD4_H(b, c, d, a, k + 12, 15);
        }
#undef MD4_F
#undef MD4_G
#undef MD4_H
    });
}

// RFC 1321, section 3.4. G's two halves cover disjoint bits, so they are added
// separately and only (d & b) waits for b.
void Md5Transform(uint32_t* hash, const uint8_t* data, size_t blocks) {
    CompressBlocks(hash, data, blocks, [](const uint8_t* data, uint32_t& a, uint32_t& b, uint32_t& c, uint32_t& d)
                                            __attribute__((always_inline)) {
        auto x = [data](int k) { return LoadLE32(data + 4 * k); };
#define MD5_F(a, b, c, d, k, s, j) a = b + RotL32(a + (x(k) + kMd5T[j]) + (d ^ (b & (c ^ d))), s)
#define MD5_G(a, b, c, d, k, s, j) a = b + RotL32(a + (x(k) + kMd5T[j]) + (c & ~d) + (d & b), s)
#define MD5_H(a, b, c, d, k, s, j) a = b + RotL32(a + (x(k) + kMd5T[j]) + (b ^ (c ^ d)), s)
#define MD5_I(a, b, c, d, k, s, j) a = b + RotL32(a + (x(k) + kMd5T[j]) + (c ^ (b | ~d)), s)
        MD5_STEPS(MD5_F, MD5_G, MD5_H, MD5_I);
#undef MD5_F
#undef MD5_G
#undef MD5_H
#undef MD5_I
    });
}

// --- MD5 of many messages in vector lanes ----------------------------------------------

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#pragma GCC diagnostic ignored "-Wpsabi"  // see LaneRotL
namespace {

// The rounds of RFC 1321 on a vector of lanes; the Boolean functions are written as
// selections, which AVX-512 does in one ternary-logic instruction.
template <typename V>
__attribute__((always_inline)) inline void Md5LaneRounds(const V (&x)[16], V& a, V& b, V& c, V& d) {
#define MD5_STEP(f, a, b, c, d, k, s, j) a = b + LaneRotL<s>(a + (x[k] + kMd5T[j]) + (f))
#define MD5_F(a, b, c, d, k, s, j) MD5_STEP((d ^ (b & (c ^ d))), a, b, c, d, k, s, j)
#define MD5_G(a, b, c, d, k, s, j) MD5_STEP((c ^ (d & (b ^ c))), a, b, c, d, k, s, j)
#define MD5_H(a, b, c, d, k, s, j) MD5_STEP((b ^ c ^ d), a, b, c, d, k, s, j)
#define MD5_I(a, b, c, d, k, s, j) MD5_STEP((c ^ (b | ~d)), a, b, c, d, k, s, j)
    MD5_STEPS(MD5_F, MD5_G, MD5_H, MD5_I);
#undef MD5_STEP
#undef MD5_F
#undef MD5_G
#undef MD5_H
#undef MD5_I
}

// One block of every lane added into the chaining words h.
template <typename V>
__attribute__((always_inline)) inline void Md5LaneBlock(const V (&x)[16], V (&h)[4]) {
    V a = h[0], b = h[1], c = h[2], d = h[3];
    Md5LaneRounds(x, a, b, c, d);
    h[0] += a;
    h[1] += b;
    h[2] += c;
    h[3] += d;
}

__attribute__((target("avx2"))) void Md5LanesAvx2(uint32_t* state, const uint8_t* const* data, size_t blocks) {
    QUORVIX_LANE_BLOCKS(U32x16, 4, LoadLaneWords16Avx2<false>, Md5LaneBlock(w, h));
}

__attribute__((target("avx512f,avx512bw"))) void Md5LanesAvx512(uint32_t* state, const uint8_t* const* data, size_t blocks) {
    QUORVIX_LANE_BLOCKS(U32x16, 4, LoadLaneWords16Avx512<false>, Md5LaneBlock(w, h));
}

}  // namespace
#else
namespace {
constexpr LaneFn<uint32_t> Md5LanesAvx2 = nullptr, Md5LanesAvx512 = nullptr;
}  // namespace
#endif

const LaneFamily<uint32_t>& Md5Lanes() {
    static constexpr LaneFamily<uint32_t> family{4, 4, false, kMdInitial, Md5Transform, Md5LanesAvx2, kMaxLanes,
                                                 Md5LanesAvx512, kMaxLanes, LanesBesideSha::Always};
    return family;
}
#undef MD5_STEPS

}  // namespace quorvix::digest
