// Lines of a checksum list, in the coreutils form ("<hex>  <file>", "<hex> *<file>")
// or the BSD tag form ("<TAG> (<file>) = <hex>"), with coreutils' backslash escapes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct CheckLine {
    std::string tag;  // empty in the coreutils form
    std::string digest;
    std::string file;
};

std::optional<CheckLine> ParseCheckLine(std::string_view line);

// A file name as a list line shows it: names holding a backslash or line break are
// escaped and the whole line is then marked with a leading backslash.
bool NeedsEscape(std::string_view file);
std::string EscapeFileName(std::string_view file);
