// The digest types qxhash offers: the names people type, the tags of list lines
// (those of coreutils and rhash where they have the type), pass counts, and the byte
// order other tools print.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Algorithm {
    uint32_t code;
    std::string_view name;  // lowercase command-line name
    std::string_view tag;   // name in the BSD tag form, as qxhash prints it
    bool usesPasses;        // HAVAL and Tiger
};

// A type with its pass count; 0 for types without one, or when the count is not
// known (then every usual count is tried when checking).
struct Variant {
    Algorithm algorithm;
    uint32_t passes;
    bool operator==(const Variant& other) const { return algorithm.code == other.algorithm.code && passes == other.passes; }
};

// HAVAL has 3, 4 or 5 passes by design; Tiger any number from 1. A list that does
// not name its count is checked by trying each of 3, 4 and 5.
constexpr uint32_t kDefaultPasses = 3;
constexpr uint32_t kMinPasses = 3;
constexpr uint32_t kMaxPasses = 5;

// Whether the type can be computed with that pass count.
bool PassesAllowed(const Algorithm& algorithm, uint32_t passes);

const std::vector<Algorithm>& AllAlgorithms();

// A name ("sha256", "rmd160", "tiger"), a numeric type code, or either with a pass
// count after a comma ("haval256,5"), in any letter case.
std::optional<Variant> FindVariant(std::string_view nameOrCode);
// A list line's tag ("SHA256", "RMD160", "GOST94", "HAVAL256,5"), in any letter case.
std::optional<Variant> FindVariantByTag(std::string_view tag);
// The tag qxhash prints: the pass count follows a comma when it is not the default.
std::string TagOf(const Variant& variant);

// The pass counts to try for a variant: its own, or each of 3, 4 and 5.
std::vector<uint32_t> PassesToTry(const Variant& variant);

// The type the library computes for a variant: the shorter Tiger digests are cut from
// Tiger-192 in the byte order other tools use, which the library's cannot give.
uint32_t ComputedType(uint32_t code);
// The digest as other tools print it (rhash, zlib, the Tiger authors' test vectors),
// from the library's digest of ComputedType: CRC-32 with its bytes in the other order,
// Tiger with the bytes of each 64-bit word reversed. Other types are unchanged.
std::string ShownDigest(uint32_t code, const std::string& computed);
// Whether a listed digest (lowercase) is this digest, in the order printed above or
// in the library's own, which lists made by earlier versions hold.
bool DigestMatches(uint32_t code, std::string_view listed, const std::string& computed);
// The number of hex digits the type's digest has.
size_t DigestHexLength(uint32_t code);
