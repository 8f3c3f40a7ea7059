// CRC-32 with the polynomial 0x04C11DB7, most significant bit first (CRC-32/BZIP2)
// and reflected (IEEE 802.3, PNG).
#pragma once

#include <cstdint>
#include <string>

namespace quorvix::digest {

// The 32-bit register; or, once a long message is folded by 512-bit carry-less
// multiplication, the four folded lanes and the bytes short of a whole 256-byte group.
// The lanes stay unreduced between updates, so that a message given in pieces costs
// the reduction once, in the final.
struct CrcState {
    uint32_t crc;
    uint32_t waiting;  // bytes in `pending`, while folding
    bool folding;
    bool msbFirst;  // CRC-32/BZIP2 rather than the reflected form
    alignas(64) uint8_t lanes[256];
    alignas(64) uint8_t pending[256];
};

// The variants: the reflected form, and most significant bit first.
constexpr uint32_t kCrc32Reflected = 0;
constexpr uint32_t kCrc32MsbFirst = 1;

void CrcInit(CrcState& state, uint32_t variant);
void CrcUpdate(CrcState& state, const uint8_t* data, uint32_t length);
// Both forms print the checksum's bytes least significant first.
void CrcFinal(CrcState& state, std::string& digest);

}  // namespace quorvix::digest
