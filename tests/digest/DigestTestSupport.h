// Helpers shared by the digest tests.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "digest/CryptoAPI.h"

inline std::vector<uint32_t> AllTypes() {
    std::vector<uint32_t> types(HASH_TYPE_COUNT);
    types.resize(HashListTypes(types.data(), HASH_TYPE_COUNT));
    return types;
}

inline std::vector<uint8_t> RandomBytes(size_t length, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(length);
    for (auto& b : bytes) b = uint8_t(random());
    return bytes;
}

// Digest of the bytes in one update; `passes`, when given, replaces the default.
inline std::string Digest(uint32_t type, const uint8_t* data, size_t length, std::optional<uint32_t> passes = std::nullopt) {
    HashContext context{};
    HashInit(&context, type);
    if (passes) context.passes = *passes;
    HashUpdate(&context, data, uint32_t(length));
    std::string digest;
    HashFinal(&context, digest);
    return digest;
}

inline std::string Digest(uint32_t type, const std::vector<uint8_t>& data, std::optional<uint32_t> passes = std::nullopt) {
    return Digest(type, data.data(), data.size(), passes);
}

inline std::string Digest(uint32_t type, const std::string& text, std::optional<uint32_t> passes = std::nullopt) {
    return Digest(type, reinterpret_cast<const uint8_t*>(text.data()), text.size(), passes);
}
