#include "CryptoUtils.h"

namespace {
constexpr char kDigits[] = "0123456789abcdef";
}

std::string HexDigits(uint64_t value, uint8_t count) {
    std::string text(count, '0');
    for (size_t i = count; i-- > 0;) {
        text[i] = kDigits[value & 0xf];
        value >>= 4;
    }
    return text;
}

void AppendHexBytes(std::string& text, const uint8_t* bytes, size_t count) {
    const size_t start = text.size();
    text.resize(start + 2 * count);
    for (size_t i = 0; i < count; ++i) {
        text[start + 2 * i] = kDigits[bytes[i] >> 4];
        text[start + 2 * i + 1] = kDigits[bytes[i] & 0xf];
    }
}
