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
    alignas(64) uint8_t lanes[256];
    alignas(64) uint8_t pending[256];
};

// Both forms start alike; each has its own update and final.
void CrcInit(CrcState& state, uint32_t variant);
void Crc32MsbUpdate(CrcState& state, const uint8_t* data, uint32_t length);
void Crc32Update(CrcState& state, const uint8_t* data, uint32_t length);
// Both print the checksum's bytes least significant first.
void Crc32MsbFinal(CrcState& state, std::string& digest);
void Crc32Final(CrcState& state, std::string& digest);

}  // namespace quorvix::digest
