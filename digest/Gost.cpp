#include "Gost.h"

#include <array>
#include <cstring>
#include <utility>

#include "Blocks.h"
#include "Hex.h"
#include "Words.h"

namespace quorvix::digest {
namespace {

// S-boxes K1..K8 of the test parameter set; K1 substitutes the lowest nibble.
constexpr uint8_t kSBox[8][16] = {
    {4, 10, 9, 2, 13, 8, 0, 14, 6, 11, 1, 12, 7, 15, 5, 3},
    {14, 11, 4, 12, 6, 13, 15, 10, 2, 3, 8, 1, 0, 7, 5, 9},
    {5, 8, 1, 13, 10, 3, 4, 2, 14, 15, 12, 7, 6, 0, 9, 11},
    {7, 13, 10, 1, 0, 8, 9, 15, 14, 4, 6, 12, 11, 2, 5, 3},
    {6, 12, 7, 1, 5, 15, 13, 8, 4, 10, 9, 14, 0, 3, 11, 2},
    {4, 11, 10, 0, 7, 2, 1, 13, 3, 6, 8, 5, 9, 12, 15, 14},
    {13, 11, 4, 1, 3, 15, 5, 9, 0, 10, 14, 7, 6, 8, 2, 12},
    {1, 15, 13, 0, 5, 7, 10, 4, 9, 2, 3, 14, 6, 11, 8, 12},
};

// Byte-wise round tables: two S-boxes and the 11-bit rotation of the round
// function folded together, so a round is four look-ups.
using RoundTables = std::array<std::array<uint32_t, 256>, 4>;
constexpr RoundTables MakeRoundTables() {
    RoundTables t{};
    for (int k = 0; k < 4; ++k)
        for (uint32_t h = 0; h < 16; ++h)
            for (uint32_t l = 0; l < 16; ++l)
                t[k][16 * h + l] = RotL32((uint32_t(kSBox[2 * k][l]) << (8 * k)) |
                                              (uint32_t(kSBox[2 * k + 1][h]) << (8 * k + 4)),
                                          11);
    return t;
}
constexpr RoundTables kRound = MakeRoundTables();

inline uint32_t R(uint32_t x) {
    return kRound[0][x & 0xff] ^ kRound[1][(x >> 8) & 0xff] ^ kRound[2][(x >> 16) & 0xff] ^ kRound[3][x >> 24];
}

constexpr uint32_t kC3[8] = {0xff00ff00, 0xff00ff00, 0x00ff00ff, 0x00ff00ff,
                             0x00ffff00, 0xff0000ff, 0x000000ff, 0xff00ffff};

// A(y4|y3|y2|y1) = (y1 ^ y2)|y4|y3|y2 on 64-bit quarters.
void A(uint32_t* y) {
    const uint32_t lo = y[0] ^ y[2], hi = y[1] ^ y[3];
    std::memmove(y, y + 2, 6 * sizeof(uint32_t));
    y[6] = lo;
    y[7] = hi;
}

// P: key word j takes byte j of W's even words, key word 4 + j byte j of its odd words.
void P(const uint32_t* w, uint32_t* key) {
    for (int j = 0; j < 4; ++j) {
        key[j] = ((w[0] >> (8 * j)) & 0xff) | ((w[2] >> (8 * j)) & 0xff) << 8 |
                 ((w[4] >> (8 * j)) & 0xff) << 16 | ((w[6] >> (8 * j)) & 0xff) << 24;
        key[4 + j] = ((w[1] >> (8 * j)) & 0xff) | ((w[3] >> (8 * j)) & 0xff) << 8 |
                     ((w[5] >> (8 * j)) & 0xff) << 16 | ((w[7] >> (8 * j)) & 0xff) << 24;
    }
}

// psi shifts the sixteen 16-bit words down by one and puts
// y1 ^ y2 ^ y3 ^ y4 ^ y13 ^ y16 on top. It only ever adds whole words, so a power of psi
// is a fixed choice, for each output word, of input words to add: computed here at
// compile time as one 16-bit mask per output word, and applied as straight-line xors.
struct WordMap {
    uint16_t masks[16];
};

constexpr WordMap PsiPower(int n) {
    WordMap map{};
    for (int i = 0; i < 16; ++i) map.masks[i] = uint16_t(1u << i);
    for (int step = 0; step < n; ++step) {
        WordMap next{};
        for (int i = 0; i < 15; ++i) next.masks[i] = map.masks[i + 1];
        next.masks[15] = map.masks[0] ^ map.masks[1] ^ map.masks[2] ^ map.masks[3] ^ map.masks[12] ^ map.masks[15];
        map = next;
    }
    return map;
}

constexpr WordMap kPsi1 = PsiPower(1);
constexpr WordMap kPsi12 = PsiPower(12);
constexpr WordMap kPsi61 = PsiPower(61);

template <uint16_t Mask, size_t... J>
inline uint16_t Combine(const uint16_t (&in)[16], std::index_sequence<J...>) {
    return uint16_t(((((Mask >> J) & 1u) ? in[J] : uint16_t(0)) ^ ...));
}

template <const WordMap& Map, size_t... I>
inline void ApplyMap(const uint16_t (&in)[16], uint16_t (&out)[16], std::index_sequence<I...>) {
    ((out[I] = Combine<Map.masks[I]>(in, std::make_index_sequence<16>{})), ...);
}

template <const WordMap& Map>
inline void Apply(uint16_t (&y)[16]) {
    uint16_t in[16];
    std::memcpy(in, y, sizeof in);
    ApplyMap<Map>(in, y, std::make_index_sequence<16>{});
}

void ToHalves(const uint32_t* w, uint16_t* y) {
    for (int i = 0; i < 8; ++i) {
        y[2 * i] = uint16_t(w[i]);
        y[2 * i + 1] = uint16_t(w[i] >> 16);
    }
}

void FromHalves(const uint16_t* y, uint32_t* w) {
    for (int i = 0; i < 8; ++i) w[i] = uint32_t(y[2 * i]) | uint32_t(y[2 * i + 1]) << 16;
}

// Adds a 256-bit number to another, word 0 first, dropping the carry out of word 7.
void Add256(uint32_t* sum, const uint32_t* value) {
    uint64_t carry = 0;
    for (int i = 0; i < 8; ++i) {
        carry += uint64_t(sum[i]) + value[i];
        sum[i] = uint32_t(carry);
        carry >>= 32;
    }
}

}  // namespace

namespace {

// GOST 28147-89 on N independent 64-bit values (low half first in `halves`), each
// under its own key. Run side by side, the table look-ups of the lanes overlap
// instead of waiting on each other; a step of the hash encrypts four.
template <int N>
void EncryptLanes(uint32_t* halves, const uint32_t* const (&keys)[N]) {
    uint32_t r[N], l[N];
    for (int j = 0; j < N; ++j) {
        r[j] = halves[2 * j];
        l[j] = halves[2 * j + 1];
    }
    // Subkeys k0..k7 three times, then k7..k0, taken in pairs.
    auto rounds = [&](int ka, int kb) {
        for (int j = 0; j < N; ++j) l[j] ^= R(r[j] + keys[j][ka]);
        for (int j = 0; j < N; ++j) r[j] ^= R(l[j] + keys[j][kb]);
    };
    for (int pass = 0; pass < 3; ++pass)
        for (int i = 0; i < 8; i += 2) rounds(i, i + 1);
    for (int i = 7; i > 0; i -= 2) rounds(i, i - 1);
    // The final exchange: the result's low half is l.
    for (int j = 0; j < N; ++j) {
        halves[2 * j] = l[j];
        halves[2 * j + 1] = r[j];
    }
}

}  // namespace

void GostEncrypt(uint32_t& low, uint32_t& high, const uint32_t* key) {
    uint32_t halves[2] = {low, high};
    const uint32_t* const keys[1] = {key};
    EncryptLanes<1>(halves, keys);
    low = halves[0];
    high = halves[1];
}

void GostStep(uint32_t* hash, const uint32_t* message) {
    uint32_t u[8], v[8], w[8], keys[4][8];
    std::memcpy(u, hash, sizeof u);
    std::memcpy(v, message, sizeof v);
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 8; ++i) w[i] = u[i] ^ v[i];
        P(w, keys[j]);
        if (j == 3) break;
        A(u);
        if (j == 1)
            for (int i = 0; i < 8; ++i) u[i] ^= kC3[i];
        A(v);
        A(v);
    }

    uint32_t s[8];
    std::memcpy(s, hash, sizeof s);
    const uint32_t* const laneKeys[4] = {keys[0], keys[1], keys[2], keys[3]};
    EncryptLanes<4>(s, laneKeys);

    // H' = psi^61(H ^ psi(M ^ psi^12(S)))
    uint16_t y[16], m[16], h[16];
    ToHalves(s, y);
    ToHalves(message, m);
    ToHalves(hash, h);
    Apply<kPsi12>(y);
    for (int i = 0; i < 16; ++i) y[i] ^= m[i];
    Apply<kPsi1>(y);
    for (int i = 0; i < 16; ++i) y[i] ^= h[i];
    Apply<kPsi61>(y);
    FromHalves(y, hash);
}

void GostCompressBlock(GostState& state, const uint8_t* block, uint32_t bits) {
    uint32_t m[8];
    for (int i = 0; i < 8; ++i) m[i] = LoadLE32(block + 4 * i);
    Add256(state.sum, m);
    GostStep(state.hash, m);
    const uint32_t count[8] = {bits};
    Add256(state.length, count);
}

void GostInit(GostState& state, uint32_t) { Wipe(state); }

// A last whole block stays in partial until the next update or the final.
void GostUpdate(GostState& state, const uint8_t* data, uint32_t length) {
    AbsorbBlocks<32, true>(state.partial, state.partialFill, data, length, [&](const uint8_t* blocks, size_t count) {
        for (size_t i = 0; i < count; ++i) GostCompressBlock(state, blocks + 32 * i, 256);
    });
}

void GostFinal(GostState& state, std::string& digest) {
    if (state.partialFill > 0) {
        std::memset(state.partial + state.partialFill, 0, 32 - state.partialFill);
        GostCompressBlock(state, state.partial, 8 * state.partialFill);
    }
    GostStep(state.hash, state.length);
    GostStep(state.hash, state.sum);
    WriteHexWords32(digest, state.hash, 8, false);
}

}  // namespace quorvix::digest
