#include "IniText.h"

#include <QByteArrayList>

#include <algorithm>

namespace {

bool IsHexDigit(char32_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

QByteArray Hex(char32_t c) { return "\\x" + QByteArray::number(uint(c), 16); }

// The key of a "key=value" line, trimmed; empty for comments, groups and other lines.
QByteArray KeyOf(const QByteArray& line) {
    const QByteArray trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#') || trimmed.startsWith('[')) return {};
    const qsizetype equals = trimmed.indexOf('=');
    return equals < 0 ? QByteArray() : trimmed.left(equals).trimmed();
}

bool IsGroupLine(const QByteArray& line) { return line.trimmed().startsWith('['); }

// A value line ending in an odd number of backslashes continues on the next line.
bool Continues(const QByteArray& line) {
    QByteArray body = line;
    if (body.endsWith('\r')) body.chop(1);
    qsizetype backslashes = 0;
    while (backslashes < body.size() && body[body.size() - 1 - backslashes] == '\\') ++backslashes;
    return backslashes % 2 == 1;
}

}  // namespace

QByteArray EncodeIniString(const QString& value) {
    QByteArray result;
    bool needsQuotes = false;
    bool escapeNextIfHex = false;  // "\x1" then "a" would read back as "\x1a"
    for (char32_t c : value.toUcs4()) {
        if (c == ';' || c == ',' || c == '=') needsQuotes = true;
        if (escapeNextIfHex && IsHexDigit(c)) {
            result += Hex(c);
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
            case '\0': result += "\\0"; escapeNextIfHex = true; break;
            case '\a': result += "\\a"; break;
            case '\b': result += "\\b"; break;
            case '\f': result += "\\f"; break;
            case '\n': result += "\\n"; break;
            case '\r': result += "\\r"; break;
            case '\t': result += "\\t"; break;
            case '\v': result += "\\v"; break;
            case '"':
            case '\\': result += '\\'; result += char(c); break;
            default:
                if (c <= 0x1F || c == 0x7F) {
                    result += Hex(c);
                    escapeNextIfHex = true;
                } else {
                    result += QString::fromUcs4(&c, 1).toUtf8();
                }
        }
    }
    if (needsQuotes || result.startsWith(' ') || result.endsWith(' ')) result = '"' + result + '"';
    return value.startsWith(QLatin1Char('@')) ? '@' + result : result;
}

QByteArray SetIniValues(const QByteArray& text, const IniValues& values) {
    const QByteArray newline = text.contains("\r\n") ? "\r\n" : "\n";
    QByteArrayList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QByteArray& line : lines)
        if (line.endsWith('\r')) line.chop(1);

    // Keys before the first group belong to the General group, as QSettings reads them.
    QByteArrayList result;
    QList<QByteArray> written;
    bool inGeneral = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (IsGroupLine(line)) inGeneral = line.trimmed() == "[General]";
        const QByteArray key = inGeneral ? KeyOf(line) : QByteArray();
        const auto match = std::find_if(values.begin(), values.end(), [&](const auto& value) { return value.first == key; });
        if (key.isEmpty() || match == values.end()) {
            result << line;
            continue;
        }
        bool continued = Continues(line);
        while (continued && i + 1 < lines.size()) continued = Continues(lines[++i]);
        if (written.contains(key)) continue;  // a later duplicate would win when read
        result << key + '=' + match->second;
        written << key;
    }

    QByteArrayList missing;
    for (const auto& [key, value] : values)
        if (!written.contains(key)) missing << key + '=' + value;
    if (missing.isEmpty()) return result.join(newline) + newline;

    // Missing keys go at the end of the General group: after its header's lines, or
    // else after the lines before the first group, with a header where there are none.
    const auto isGeneralHeader = [](const QByteArray& line) { return line.trimmed() == "[General]"; };
    const qsizetype header = std::find_if(result.begin(), result.end(), isGeneralHeader) - result.begin();
    const qsizetype start = header < result.size() ? header + 1 : 0;
    qsizetype end = std::find_if(result.begin() + start, result.end(), IsGroupLine) - result.begin();
    while (end > start && result[end - 1].trimmed().isEmpty()) --end;
    const bool needsHeader = header == result.size() && end == 0;
    if (needsHeader) {
        if (end < result.size()) missing << QByteArray();
        missing.prepend("[General]");
    }
    for (qsizetype k = 0; k < missing.size(); ++k) result.insert(end + k, missing[k]);
    return result.join(newline) + newline;
}
