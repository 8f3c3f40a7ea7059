#include "Results.h"

#include <iterator>

namespace quorvix::digest {

namespace {

// Indexed by code.
constexpr const char* kResultTexts[] = {
    "No error",
    "Unknown hash type",
    "Hash context is null",
    "Invalid hash context",
    "Could not read file",
    "Could not open file",
    "Hash test failed",
    "Buffer too small for the digest",
    "Pass count not allowed here",
};
static_assert(std::size(kResultTexts) == kResultBadPasses + 1, "one text per code");

}  // namespace

const char* ResultText(uint32_t code, uint32_t last) {
    return code <= last && code < std::size(kResultTexts) ? kResultTexts[code] : "Unknown error";
}

}  // namespace quorvix::digest
