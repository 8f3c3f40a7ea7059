#include "Adler.h"

#include "CryptoUtils.h"

namespace {
constexpr uint32_t kModulus = 65521;
// The most bytes that can be summed before s2 could overflow 32 bits (zlib's NMAX).
// Reducing once per run gives the same sums as reducing after every byte.
constexpr uint32_t kRun = 5552;
}  // namespace

void AdlerInit(uint32_t& state) { state = 1; }

void AdlerUpdate(uint32_t& state, const uint8_t* data, uint32_t length) {
    uint32_t s1 = state & 0xffff;
    uint32_t s2 = state >> 16;
    while (length > 0) {
        const uint32_t run = length < kRun ? length : kRun;
        for (uint32_t i = 0; i < run; ++i) {
            s1 += data[i];
            s2 += s1;
        }
        s1 %= kModulus;
        s2 %= kModulus;
        data += run;
        length -= run;
    }
    state = (s2 << 16) | s1;
}

void AdlerFinal(uint32_t& state, std::string& digest) { digest = HexDigits(state, 8); }
