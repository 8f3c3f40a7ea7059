// The digest types qxhash offers, by the names people type.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Algorithm {
    uint32_t code;
    std::string_view name;  // lowercase command-line name
    std::string_view tag;   // name in the BSD tag form
};

const std::vector<Algorithm>& AllAlgorithms();
// By name (any case) or by numeric type code.
std::optional<Algorithm> FindAlgorithm(std::string_view nameOrCode);
std::optional<Algorithm> FindAlgorithmByTag(std::string_view tag);
