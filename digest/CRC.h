// CRC-32 with the polynomial 0x04C11DB7, most significant bit first (CRC-32/BZIP2)
// and reflected (IEEE 802.3, PNG). The whole state is the 32-bit register.
#pragma once

#include <cstdint>
#include <string>

void CrcInit(uint32_t& state);
void Crc32MsbUpdate(uint32_t& state, const uint8_t* data, uint32_t length);
void Crc32Update(uint32_t& state, const uint8_t* data, uint32_t length);
// Prints the checksum's bytes least significant first.
void CrcFinal(uint32_t& state, std::string& digest);
