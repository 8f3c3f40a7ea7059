#include "Algorithms.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "digest/CryptoAPI.h"

namespace {

struct Names {
    uint32_t code;
    const char* name;
    const char* tag;
};

// Tags follow the BSD and coreutils spellings where those tools have the algorithm.
constexpr Names kNames[] = {
    {HASH_MD2, "md2", "MD2"},
    {HASH_MD4, "md4", "MD4"},
    {HASH_MD5, "md5", "MD5"},
    {HASH_CRC32_MSB, "crc32-msb", "CRC32-MSB"},
    {HASH_CRC32, "crc32", "CRC32"},
    {HASH_ADLER32, "adler32", "ADLER32"},
    {HASH_GOST, "gost", "GOST"},
    {HASH_HAVAL128, "haval128", "HAVAL128"},
    {HASH_HAVAL160, "haval160", "HAVAL160"},
    {HASH_HAVAL192, "haval192", "HAVAL192"},
    {HASH_HAVAL224, "haval224", "HAVAL224"},
    {HASH_HAVAL256, "haval256", "HAVAL256"},
    {HASH_SHA1, "sha1", "SHA1"},
    {HASH_SHA256, "sha256", "SHA256"},
    {HASH_SHA384, "sha384", "SHA384"},
    {HASH_SHA512, "sha512", "SHA512"},
    {HASH_TIGER128, "tiger128", "TIGER128"},
    {HASH_TIGER160, "tiger160", "TIGER160"},
    {HASH_TIGER192, "tiger192", "TIGER192"},
    {HASH_RIPEMD128, "ripemd128", "RIPEMD128"},
    {HASH_RIPEMD160, "ripemd160", "RIPEMD160"},
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::tolower(uint8_t(x)) == std::tolower(uint8_t(y)); });
}

}  // namespace

const std::vector<Algorithm>& AllAlgorithms() {
    static const std::vector<Algorithm> all = [] {
        std::vector<Algorithm> list;
        // Only the types the library itself lists.
        uint32_t codes[HASH_TYPE_COUNT];
        const uint32_t count = HashListTypes(codes, HASH_TYPE_COUNT);
        for (uint32_t i = 0; i < count; ++i)
            for (const Names& names : kNames)
                if (names.code == codes[i]) list.push_back({names.code, names.name, names.tag});
        return list;
    }();
    return all;
}

std::optional<Algorithm> FindAlgorithm(std::string_view nameOrCode) {
    uint32_t code = 0;
    const auto [end, error] = std::from_chars(nameOrCode.data(), nameOrCode.data() + nameOrCode.size(), code);
    const bool numeric = error == std::errc() && end == nameOrCode.data() + nameOrCode.size();
    for (const Algorithm& algorithm : AllAlgorithms())
        if (numeric ? algorithm.code == code : SameIgnoringCase(algorithm.name, nameOrCode)) return algorithm;
    return std::nullopt;
}

std::optional<Algorithm> FindAlgorithmByTag(std::string_view tag) {
    for (const Algorithm& algorithm : AllAlgorithms())
        if (SameIgnoringCase(algorithm.tag, tag)) return algorithm;
    return std::nullopt;
}
