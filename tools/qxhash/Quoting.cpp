#include "Quoting.h"

#include <cwchar>
#include <cwctype>

namespace {

// Characters a shell takes for something else anywhere in a word, and ':' (which
// separates a message's parts); '#' and '~' only at a word's start.
constexpr std::string_view kShellSpecial = " !\"$&'()*:;<=>?[\\^`|";
// Within double quotes these still act.
constexpr std::string_view kSpecialInDoubleQuotes = "$`\\\"!";

// The length of the printable character at the start of `text`, 0 when it is not one
// (a control character, or bytes that are no character of the locale).
size_t PrintableLength(std::string_view text) {
    const auto byte = static_cast<unsigned char>(text[0]);
    if (byte < 0x80) return byte >= 0x20 && byte < 0x7f ? 1 : 0;
    std::mbstate_t state{};
    wchar_t c = 0;
    const size_t length = std::mbrtowc(&c, text.data(), text.size(), &state);
    return length == size_t(-1) || length == size_t(-2) || length == 0 || !std::iswprint(wint_t(c)) ? 0 : length;
}

void AppendEscape(std::string& out, unsigned char byte) {
    constexpr std::string_view kNamed = "\aa\bb\tt\nn\vv\ff\rr";
    for (size_t i = 0; i < kNamed.size(); i += 2)
        if (static_cast<unsigned char>(kNamed[i]) == byte) {
            out.append(1, '\\').append(1, kNamed[i + 1]);
            return;
        }
    out += '\\';
    for (int shift = 6; shift >= 0; shift -= 3) out += char('0' + ((byte >> shift) & 7));
}

}  // namespace

std::string Quoted(std::string_view name) {
    if (name.empty()) return "''";
    bool quote = name[0] == '#' || name[0] == '~', printable = true, singleQuote = false, doubleQuotable = true;
    for (size_t i = 0; i < name.size();) {
        const size_t length = PrintableLength(name.substr(i));
        if (length == 0) {
            printable = false;
            ++i;
            continue;
        }
        if (length == 1) {
            quote |= kShellSpecial.find(name[i]) != std::string_view::npos;
            singleQuote |= name[i] == '\'';
            doubleQuotable &= kSpecialInDoubleQuotes.find(name[i]) == std::string_view::npos;
        }
        i += length;
    }
    if (printable && !quote) return std::string(name);
    if (printable && singleQuote && doubleQuotable) return "\"" + std::string(name) + "\"";
    // In single quotes, a quote as '\'' and what cannot be shown as $'\ooo'.
    std::string out = "'";
    bool escaping = false;
    for (size_t i = 0; i < name.size();) {
        const size_t length = PrintableLength(name.substr(i));
        if (length == 0) {
            if (!escaping) out += "'$'";
            escaping = true;
            AppendEscape(out, static_cast<unsigned char>(name[i++]));
            continue;
        }
        if (escaping) out += "''";
        escaping = false;
        if (name[i] == '\'')
            out += "'\\''";
        else
            out.append(name.substr(i, length));
        i += length;
    }
    return out + "'";
}
