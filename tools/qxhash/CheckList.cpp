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

bool IsCommentLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line.empty() || line.front() == ';' || line.front() == '#';
}

std::optional<CheckLine> ParseCheckLine(std::string_view line, const std::function<bool(size_t)>& isDigestLength,
                                        const std::function<bool(std::string_view)>& isTag) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const bool escaped = !line.empty() && line.front() == '\\';
    if (escaped) line.remove_prefix(1);
    auto name = [&](std::string_view raw) { return escaped ? Unescape(raw) : std::optional(std::string(raw)); };
    const auto isDigest = [&](std::string_view text) { return IsHex(text) && isDigestLength(text.size()); };

    // coreutils: a digest, a space, a space or '*', the file; anything may follow, even
    // " (" and ") = ", which would otherwise read as a tag.
    const size_t space = line.find(' ');
    if (space != std::string_view::npos && space + 1 < line.size() && isDigest(line.substr(0, space)) &&
        (line[space + 1] == ' ' || line[space + 1] == '*')) {
        if (const auto file = name(line.substr(space + 2)); file && !file->empty())
            return CheckLine{"", {Lowercase(line.substr(0, space))}, *file};
    }

    // BSD tags: the file may itself hold ") = ", so split at the last.
    const size_t open = line.find(" (");
    const size_t close = line.rfind(") = ");
    if (open != std::string_view::npos && close != std::string_view::npos && close > open) {
        std::string_view tag = line.substr(0, open);
        while (!tag.empty() && tag.back() == ' ') tag.remove_suffix(1);
        const std::string_view digest = line.substr(close + 4);
        const auto file = name(line.substr(open + 2, close - open - 2));
        if (!tag.empty() && isTag(tag) && IsHex(digest) && file && !file->empty())
            return CheckLine{std::string(tag), {Lowercase(digest)}, *file};
    }

    // rhash: the file, then digests each after two spaces; SFV: the file, a space, a CRC.
    CheckLine rhash;
    std::string_view rest = line;
    for (size_t gap; (gap = rest.rfind("  ")) != std::string_view::npos && isDigest(rest.substr(gap + 2));
         rest = rest.substr(0, gap))
        rhash.digests.insert(rhash.digests.begin(), Lowercase(rest.substr(gap + 2)));
    if (rhash.digests.empty()) {
        const size_t gap = rest.rfind(' ');
        if (gap == std::string_view::npos || rest.size() - gap - 1 != 8 || !IsHex(rest.substr(gap + 1))) return std::nullopt;
        rhash.digests.push_back(Lowercase(rest.substr(gap + 1)));
        rest = rest.substr(0, gap);
    }
    const auto file = name(rest);
    if (!file || file->empty()) return std::nullopt;
    rhash.file = *file;
    return rhash;
}
