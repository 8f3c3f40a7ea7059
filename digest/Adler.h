// Adler-32 (RFC 1950): s1 in the low 16 bits of the state, s2 in the high 16 bits.
#pragma once

#include <cstdint>
#include <string>

void AdlerInit(uint32_t& state);
void AdlerUpdate(uint32_t& state, const uint8_t* data, uint32_t length);
void AdlerFinal(uint32_t& state, std::string& digest);
