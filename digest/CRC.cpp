#include "CRC.h"

#include <array>

#include "CryptoUtils.h"

namespace {

using CrcTables = std::array<std::array<uint32_t, 256>, 8>;

// Slicing-by-8 tables: table 0 is the standard byte-wise table; table k advances a
// byte through k further zero bytes, so eight bytes cost eight independent look-ups.
constexpr CrcTables MakeReflectedTables() {
    CrcTables t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ ((c & 1) ? 0xEDB88320u : 0);
        t[0][i] = c;
    }
    for (uint32_t i = 0; i < 256; ++i)
        for (int k = 1; k < 8; ++k) t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xff];
    return t;
}

constexpr CrcTables MakeMsbTables() {
    CrcTables t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i << 24;
        for (int k = 0; k < 8; ++k) c = (c << 1) ^ ((c & 0x80000000u) ? 0x04C11DB7u : 0);
        t[0][i] = c;
    }
    for (uint32_t i = 0; i < 256; ++i)
        for (int k = 1; k < 8; ++k) t[k][i] = (t[k - 1][i] << 8) ^ t[0][t[k - 1][i] >> 24];
    return t;
}

constexpr CrcTables kReflected = MakeReflectedTables();
constexpr CrcTables kMsb = MakeMsbTables();
static_assert(kReflected[0][1] == 0x77073096u);
static_assert(kMsb[0][1] == 0x04c11db7u);

}  // namespace

void CrcInit(uint32_t& state) { state = 0xFFFFFFFFu; }

void Crc32Update(uint32_t& state, const uint8_t* data, uint32_t length) {
    uint32_t crc = state;
    const auto& t = kReflected;
    for (; length >= 8; data += 8, length -= 8) {
        const uint32_t lo = crc ^ LoadLE32(data);
        const uint32_t hi = LoadLE32(data + 4);
        crc = t[7][lo & 0xff] ^ t[6][(lo >> 8) & 0xff] ^ t[5][(lo >> 16) & 0xff] ^ t[4][lo >> 24] ^
              t[3][hi & 0xff] ^ t[2][(hi >> 8) & 0xff] ^ t[1][(hi >> 16) & 0xff] ^ t[0][hi >> 24];
    }
    for (uint32_t i = 0; i < length; ++i) crc = (crc >> 8) ^ t[0][(crc ^ data[i]) & 0xff];
    state = crc;
}

void Crc32MsbUpdate(uint32_t& state, const uint8_t* data, uint32_t length) {
    uint32_t crc = state;
    const auto& t = kMsb;
    for (; length >= 8; data += 8, length -= 8) {
        const uint32_t hi = crc ^ LoadBE32(data);
        const uint32_t lo = LoadBE32(data + 4);
        crc = t[7][hi >> 24] ^ t[6][(hi >> 16) & 0xff] ^ t[5][(hi >> 8) & 0xff] ^ t[4][hi & 0xff] ^
              t[3][lo >> 24] ^ t[2][(lo >> 16) & 0xff] ^ t[1][(lo >> 8) & 0xff] ^ t[0][lo & 0xff];
    }
    for (uint32_t i = 0; i < length; ++i) crc = (crc << 8) ^ t[0][(crc >> 24) ^ data[i]];
    state = crc;
}

void CrcFinal(uint32_t& state, std::string& digest) {
    state = ~Swap32(state);
    uint8_t bytes[4];
    StoreBE32(bytes, state);
    digest.clear();
    AppendHexBytes(digest, bytes, 4);
}
