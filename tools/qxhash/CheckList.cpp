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

bool IsCommentLine(std::string_view line, bool coreutilsOnly) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line.empty() || (line.front() == ';' && !coreutilsOnly) || line.front() == '#';
}

std::string_view LeadingTag(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (!line.empty() && line.front() == '\\') line.remove_prefix(1);
    const size_t end = line.find_first_of(" (");
    if (end == 0 || end == std::string_view::npos) return {};
    size_t open = end;
    while (open < line.size() && line[open] == ' ') ++open;
    return open < line.size() && line[open] == '(' ? line.substr(0, end) : std::string_view();
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// BSD tags: "TAG (FILE) = DIGEST", the tag padded with spaces as rhash pads it, or
// OpenSSL's "TAG(FILE)= DIGEST". The file may itself hold ") = ": it ends at the last
// ')', after which come blanks, '=', blanks and the digest, as md5sum reads it.
std::optional<CheckLine> ParseTagged(std::string_view line, const std::function<bool(std::string_view)>& isTag,
                                     bool escaped, bool coreutilsOnly) {
    const size_t tagEnd = line.find_first_of(" (");
    if (tagEnd == 0 || tagEnd == std::string_view::npos || !isTag(line.substr(0, tagEnd))) return std::nullopt;
    size_t open = tagEnd;
    while (open < line.size() && line[open] == ' ' && !(coreutilsOnly && open > tagEnd)) ++open;
    const size_t close = line.rfind(')');
    if (open >= line.size() || line[open] != '(' || close == std::string_view::npos || close <= open) return std::nullopt;
    size_t equals = close + 1;
    while (equals < line.size() && IsBlank(line[equals])) ++equals;
    if (equals >= line.size() || line[equals] != '=') return std::nullopt;
    size_t digest = equals + 1;
    while (digest < line.size() && IsBlank(line[digest])) ++digest;
    const auto file = escaped ? Unescape(line.substr(open + 1, close - open - 1))
                              : std::optional(std::string(line.substr(open + 1, close - open - 1)));
    if (!IsHex(line.substr(digest)) || !file || file->empty()) return std::nullopt;
    return CheckLine{std::string(line.substr(0, tagEnd)), {Lowercase(line.substr(digest))}, *file};
}

// Two words of eight hex digits: an SFV line of a file named like a CRC ("20261207
// 1a2b3c4d") as much as a reversed one. Until the list has shown reversed lines, it
// is read as SFV, as rhash reads it.
bool LooksLikeSfv(std::string_view line) {
    return line.size() == 17 && line[8] == ' ' && IsHex(line.substr(0, 8)) && IsHex(line.substr(9));
}

}  // namespace

std::optional<CheckLine> ParseCheckLine(std::string_view line, const std::function<bool(size_t)>& isDigestLength,
                                        const std::function<bool(std::string_view)>& isTag, UntaggedForm& form,
                                        bool coreutilsOnly) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);  // as md5sum does
    const bool escaped = !line.empty() && line.front() == '\\';
    if (escaped) line.remove_prefix(1);
    auto name = [&](std::string_view raw) { return escaped ? Unescape(raw) : std::optional(std::string(raw)); };
    const auto isDigest = [&](std::string_view text) { return IsHex(text) && isDigestLength(text.size()); };

    // coreutils: a digest, a blank, then a space or '*' and the file; anything may
    // follow, even " (" and ") = ", which would otherwise read as a tag. BSD's reversed
    // form has the file right after the one blank. The list's first such line decides
    // which form its lines are in, as md5sum decides, so that in a reversed list the
    // files " b" and "*c" keep their names.
    const size_t blank = line.find_first_of(" \t");
    if (blank != std::string_view::npos && blank + 1 < line.size() && isDigest(line.substr(0, blank))) {
        const std::string_view rest = line.substr(blank + 1);
        const bool standard = rest.size() > 1 && (rest[0] == ' ' || rest[0] == '*');
        if (standard && form != UntaggedForm::Reversed) {
            if (const auto file = name(rest.substr(1)); file && !file->empty()) {
                form = UntaggedForm::Standard;
                return CheckLine{"", {Lowercase(line.substr(0, blank))}, *file};
            }
        } else if (form != UntaggedForm::Standard && !(form == UntaggedForm::Undecided && LooksLikeSfv(line))) {
            if (const auto file = name(rest); file && !file->empty()) {
                form = UntaggedForm::Reversed;
                return CheckLine{"", {Lowercase(line.substr(0, blank))}, *file};
            }
        }
    }

    if (auto tagged = ParseTagged(line, isTag, escaped, coreutilsOnly)) return tagged;
    if (coreutilsOnly) return std::nullopt;

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

std::optional<CheckLine> ParseCheckLine(std::string_view line, const std::function<bool(size_t)>& isDigestLength,
                                        const std::function<bool(std::string_view)>& isTag) {
    UntaggedForm form = UntaggedForm::Undecided;
    return ParseCheckLine(line, isDigestLength, isTag, form);
}
