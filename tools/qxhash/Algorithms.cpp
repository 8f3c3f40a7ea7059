#include "Algorithms.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "digest/CryptoAPI.h"

namespace {

struct Names {
    uint32_t code;
    const char* name;
    const char* tag;
    std::array<const char*, 3> aliases;  // accepted as names and as tags
};

// Tags follow coreutils and rhash where those tools have the type (rhash reads
// "TIGER" and "GOST94", not "TIGER192" and "GOST"), so that either can check our lists.
constexpr Names kNames[] = {
    {HASH_MD2, "md2", "MD2", {}},
    {HASH_MD4, "md4", "MD4", {}},
    {HASH_MD5, "md5", "MD5", {}},
    {HASH_CRC32_MSB, "crc32-msb", "CRC32-MSB", {}},
    {HASH_CRC32, "crc32", "CRC32", {}},
    {HASH_ADLER32, "adler32", "ADLER32", {}},
    {HASH_GOST, "gost", "GOST94", {"gost94", "gost-94"}},
    {HASH_HAVAL128, "haval128", "HAVAL128", {}},
    {HASH_HAVAL160, "haval160", "HAVAL160", {}},
    {HASH_HAVAL192, "haval192", "HAVAL192", {}},
    {HASH_HAVAL224, "haval224", "HAVAL224", {}},
    {HASH_HAVAL256, "haval256", "HAVAL256", {}},
    {HASH_SHA1, "sha1", "SHA1", {"sha-1"}},
    {HASH_SHA256, "sha256", "SHA256", {"sha-256"}},
    {HASH_SHA384, "sha384", "SHA384", {"sha-384"}},
    {HASH_SHA512, "sha512", "SHA512", {"sha-512"}},
    {HASH_TIGER128, "tiger128", "TIGER128", {}},
    {HASH_TIGER160, "tiger160", "TIGER160", {}},
    {HASH_TIGER192, "tiger192", "TIGER", {"tiger"}},
    {HASH_RIPEMD128, "ripemd128", "RIPEMD128", {"rmd128", "ripemd-128"}},
    {HASH_RIPEMD160, "ripemd160", "RIPEMD160", {"rmd160", "ripemd-160"}},
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::tolower(uint8_t(x)) == std::tolower(uint8_t(y)); });
}

const Names* NamesOf(uint32_t code) {
    for (const Names& names : kNames)
        if (names.code == code) return &names;
    return nullptr;
}

bool IsTiger(uint32_t code) { return code == HASH_TIGER128 || code == HASH_TIGER160 || code == HASH_TIGER192; }
bool IsCrc(uint32_t code) { return code == HASH_CRC32 || code == HASH_CRC32_MSB; }

// "name,N": the pass count after the comma, for the types that have one.
template <typename Find>
std::optional<Variant> SplitPasses(std::string_view text, Find find) {
    const size_t comma = text.find(',');
    const auto algorithm = find(text.substr(0, comma));
    if (!algorithm) return std::nullopt;
    if (comma == std::string_view::npos) return Variant{*algorithm, 0};
    const std::string_view count = text.substr(comma + 1);
    uint32_t passes = 0;
    const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), passes);
    if (error != std::errc() || end != count.data() + count.size() || !PassesAllowed(*algorithm, passes)) return std::nullopt;
    return Variant{*algorithm, passes};
}

std::optional<Algorithm> ByName(std::string_view text, bool tags) {
    uint32_t code = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
    const bool numeric = !tags && error == std::errc() && end == text.data() + text.size();
    for (const Algorithm& algorithm : AllAlgorithms()) {
        if (numeric) {
            if (algorithm.code == code) return algorithm;
            continue;
        }
        const Names& names = *NamesOf(algorithm.code);
        bool match = SameIgnoringCase(tags ? algorithm.tag : algorithm.name, text);
        for (const char* alias : names.aliases) match = match || (alias && SameIgnoringCase(alias, text));
        // Either spelling is taken in both places: "TIGER192" as written by earlier versions.
        match = match || SameIgnoringCase(tags ? algorithm.name : algorithm.tag, text);
        if (match) return algorithm;
    }
    return std::nullopt;
}

}  // namespace

const std::vector<Algorithm>& AllAlgorithms() {
    static const std::vector<Algorithm> all = [] {
        std::vector<Algorithm> list;
        // Only the types the library itself lists.
        uint32_t codes[HASH_TYPE_COUNT];
        const uint32_t count = HashListTypes(codes, HASH_TYPE_COUNT);
        for (uint32_t i = 0; i < count; ++i)
            if (const Names* names = NamesOf(codes[i]))
                list.push_back({names->code, names->name, names->tag, IsTiger(codes[i]) || (codes[i] >= HASH_HAVAL128 && codes[i] <= HASH_HAVAL256)});
        return list;
    }();
    return all;
}

bool PassesAllowed(const Algorithm& algorithm, uint32_t passes) {
    if (!algorithm.usesPasses) return false;
    return IsTiger(algorithm.code) ? passes >= 1 : passes >= kMinPasses && passes <= kMaxPasses;
}

std::optional<Variant> FindVariant(std::string_view nameOrCode) {
    return SplitPasses(nameOrCode, [](std::string_view text) { return ByName(text, false); });
}

std::optional<Variant> FindVariantByTag(std::string_view tag) {
    return SplitPasses(tag, [](std::string_view text) { return ByName(text, true); });
}

std::string TagOf(const Variant& variant) {
    std::string tag(variant.algorithm.tag);
    if (variant.algorithm.usesPasses && variant.passes && variant.passes != kDefaultPasses)
        tag.append(",").append(std::to_string(variant.passes));
    return tag;
}

std::vector<uint32_t> PassesToTry(const Variant& variant) {
    if (!variant.algorithm.usesPasses) return {0};
    if (variant.passes) return {variant.passes};
    std::vector<uint32_t> counts;
    for (uint32_t count = kMinPasses; count <= kMaxPasses; ++count) counts.push_back(count);
    return counts;
}

uint32_t ComputedType(uint32_t code) { return IsTiger(code) ? uint32_t(HASH_TIGER192) : code; }

size_t DigestHexLength(uint32_t code) { return HashDigestBits(code) / 4; }

std::string ShownDigest(uint32_t code, const std::string& computed) {
    std::string shown = computed;
    const auto reverseBytes = [&shown](size_t from, size_t bytes) {
        for (size_t i = 0; i < bytes / 2; ++i)
            for (size_t k = 0; k < 2; ++k) std::swap(shown[from + 2 * i + k], shown[from + 2 * (bytes - 1 - i) + k]);
    };
    if (IsCrc(code)) reverseBytes(0, 4);
    if (IsTiger(code))
        for (size_t word = 0; word < 3; ++word) reverseBytes(16 * word, 8);
    if (shown.size() > DigestHexLength(code)) shown.resize(DigestHexLength(code));
    return shown;
}

bool DigestMatches(uint32_t code, std::string_view listed, const std::string& computed) {
    return listed == ShownDigest(code, computed) || listed == std::string_view(computed).substr(0, DigestHexLength(code));
}
