#include "CheckList.h"

namespace {

bool IsHex(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return lower;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            plain += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case '\\': plain += '\\'; break;
            case 'n': plain += '\n'; break;
            case 'r': plain += '\r'; break;
            default: return std::nullopt;
        }
    }
    return plain;
}

}  // namespace

bool NeedsEscape(std::string_view file) { return file.find_first_of("\\\n\r") != std::string_view::npos; }

std::string EscapeFileName(std::string_view file) {
    std::string escaped;
    for (char c : file) {
        if (c == '\\') escaped += "\\\\";
        else if (c == '\n') escaped += "\\n";
        else if (c == '\r') escaped += "\\r";
        else escaped += c;
    }
    return escaped;
}

std::optional<CheckLine> ParseCheckLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const bool escaped = !line.empty() && line.front() == '\\';
    if (escaped) line.remove_prefix(1);
    auto name = [&](std::string_view raw) { return escaped ? Unescape(raw) : std::optional(std::string(raw)); };

    // Tag form: TAG (file) = hex; the file may itself hold ") = ", so split at the last.
    const size_t open = line.find(" (");
    const size_t close = line.rfind(") = ");
    if (open != std::string_view::npos && close != std::string_view::npos && close > open && open > 0) {
        const std::string_view digest = line.substr(close + 4);
        const auto file = name(line.substr(open + 2, close - open - 2));
        if (IsHex(digest) && file && !file->empty())
            return CheckLine{std::string(line.substr(0, open)), Lowercase(digest), *file};
    }

    // Coreutils form: hex, a space, a space or '*', the file.
    const size_t space = line.find(' ');
    if (space == std::string_view::npos || space + 2 > line.size()) return std::nullopt;
    if (line[space + 1] != ' ' && line[space + 1] != '*') return std::nullopt;
    const std::string_view digest = line.substr(0, space);
    const auto file = name(line.substr(space + 2));
    if (!IsHex(digest) || !file || file->empty()) return std::nullopt;
    return CheckLine{"", Lowercase(digest), *file};
}
