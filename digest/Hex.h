// Digests as lowercase hexadecimal text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quorvix::digest {

// The lowest 4 × count bits of value as fixed-width lowercase hex, most significant first.
std::string HexDigits(uint64_t value, uint8_t count);
// The text becomes each byte as two lowercase hex digits.
void WriteHexBytes(std::string& text, const uint8_t* bytes, size_t count);
// The text becomes the four bytes of a checksum, taken least significant first (the
// checksums' short messages feel every instruction of it).
void WriteHex4Bytes(std::string& text, uint32_t bytes);
// The text becomes the bytes of `count` words, each least or most significant byte
// first. The words are read as words: a final's chaining values go to the digits
// without a trip through a byte array.
void WriteHexWords32(std::string& text, const uint32_t* words, size_t count, bool bigEndian);
void WriteHexWords64(std::string& text, const uint64_t* words, size_t count, bool bigEndian);

}  // namespace quorvix::digest
