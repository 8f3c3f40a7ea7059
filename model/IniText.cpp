#include "model/IniText.h"

#include <QByteArrayList>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

bool IsHexDigit(char32_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

QByteArray Hex(char32_t c) { return "\\x" + QByteArray::number(uint(c), 16); }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// One line as QSettings reads the file: a value in quotes goes on over line ends, a
// backslash takes the next character with it (a line end too), a ';' outside quotes
// ends the line, and comment lines (';' first) and empty lines are no lines at all.
struct IniLine {
    qsizetype start;
    qsizetype end;
    qsizetype keyStart;   // where its key begins: before `start` only on the first line after a BOM
    bool afterMark;       // the first line after the file's BOM, with only blanks between
    qsizetype equals;     // -1 when the line has none
    bool endsInQuotes;    // the text ended inside a quoted value
    bool endsInEscape;    // the text ended in a backslash's escape: what follows would join it
};

std::vector<IniLine> SplitLines(const QByteArray& text) {
    std::vector<IniLine> lines;
    const qsizetype size = text.size();
    // QSettings skips a UTF-8 byte-order mark at the file's start; it stays in the
    // text before the first line, copied as it is.
    const bool bom = text.startsWith("\xEF\xBB\xBF");
    qsizetype position = bom ? 3 : 0;
    for (;;) {
        qsizetype start = position;
        while (start < size && IsSpace(text[start])) ++start;
        qsizetype i = start, equals = -1;
        bool inQuotes = false, ended = false, escapeAtEnd = false;
        while (i < size && !ended) {
            const char c = text[i++];
            switch (c) {
                case '=':
                    if (!inQuotes && equals < 0) equals = i - 1;
                    break;
                case '\n':
                case '\r':
                    if (i == start + 1) {
                        ++start;
                    } else if (!inQuotes) {
                        --i;
                        ended = true;
                    }
                    break;
                case '\\':
                    if (i < size) {
                        const char next = text[i++];
                        if (i < size && ((next == '\n' && text[i] == '\r') || (next == '\r' && text[i] == '\n'))) ++i;
                    }
                    // "\" or "\\r" last: a line end written after it would be taken by the escape.
                    escapeAtEnd = i >= size;
                    break;
                case '"':
                    inQuotes = !inQuotes;
                    break;
                case ';':
                    if (i == start + 1) {  // a comment: skip to the line's end, and the blanks after it
                        while (i < size && text[i] != '\n' && text[i] != '\r') ++i;
                        while (i < size && IsSpace(text[i])) ++i;
                        start = i;
                    } else if (!inQuotes) {
                        --i;
                        ended = true;
                    }
                    break;
                default:
                    break;
            }
        }
        position = i;
        if (i <= start) return lines;
        // After a BOM, QSettings keeps the blanks before the first line's key in the key.
        qsizetype keyStart = start;
        bool afterMark = false;
        if (bom && lines.empty()) {
            const QByteArray lead = text.mid(3, start - 3);
            afterMark = std::all_of(lead.begin(), lead.end(), [](char c) { return c == ' ' || c == '\t'; });
            if (afterMark) keyStart = 3;
        }
        lines.push_back({start, i, keyStart, afterMark, equals, inQuotes, escapeAtEnd && i >= size});
    }
}

// The key a line sets, decoded as QSettings decodes keys ("%XX" and "%UXXXX"
// escapes, '\' for '/'); empty for other lines.
QByteArray KeyOf(const QByteArray& text, const IniLine& line) {
    if (line.equals < 0 || text[line.start] == '[') return {};
    // Trimmed of every ASCII white space, form feeds and vertical tabs included; the
    // blanks kept before a key right after a BOM stay.
    QByteArray raw = text.mid(line.keyStart, line.equals - line.keyStart);
    const qsizetype lead = line.start - line.keyStart;
    raw = raw.left(lead) + raw.mid(lead).trimmed();
    // QSettings decodes each key as UTF-8 text of its own, which drops one byte-order
    // mark at its start: on the first line after the file's mark that one, else one the
    // line's key begins with, wherever the line is (two files joined leave one there).
    if (!line.afterMark && raw.startsWith("\xEF\xBB\xBF")) raw.remove(0, 3);
    QString key;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\') {
            key += QLatin1Char('/');
        } else if (raw[i] == '%' && i + 5 < raw.size() && raw[i + 1] == 'U') {
            bool ok = false;
            const ushort code = raw.mid(i + 2, 4).toUShort(&ok, 16);
            key += ok ? QChar(code) : QChar(u'%');
            if (ok) i += 5;
        } else if (raw[i] == '%' && i + 2 < raw.size()) {
            bool ok = false;
            const uint code = raw.mid(i + 1, 2).toUInt(&ok, 16);
            key += ok ? QChar(code) : QChar(u'%');
            if (ok) i += 2;
        } else {
            key += QChar(uchar(raw[i]));
        }
    }
    return key.toUtf8();
}

// Whether a group line opens the General group: "[General]" in any letter case, with
// or without its closing bracket.
bool OpensGeneral(const QByteArray& text, const IniLine& line) {
    QByteArray name = text.mid(line.start + 1, line.end - line.start - 1);
    const qsizetype close = name.indexOf(']');
    if (close >= 0) name.truncate(close);
    return name.trimmed().toLower() == "general";
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
                // The byte-order marks escaped too: as characters of a value they would
                // be taken for a file's or a decoder's mark and dropped.
                if (c <= 0x1F || c == 0x7F || c == 0xFEFF || c == 0xFFFE) {
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

namespace {

// Each line is kept, replaced (the first line of one of our keys in the General
// group) or dropped (a later one, which would win when read).
enum class Fate { Keep, Replace, Drop };

struct IniPlan {
    std::vector<Fate> fates;
    std::vector<QByteArray> replacements;
    QByteArrayList missing;  // "key=value" of the keys the file does not have
    // Missing keys go after the last line of the first General part: the keys before
    // the first group, or else the first "[General]" group.
    std::optional<size_t> anchor, firstGroup;
};

IniPlan PlanLines(const QByteArray& text, const std::vector<IniLine>& lines, const IniValues& values) {
    IniPlan plan{std::vector<Fate>(lines.size(), Fate::Keep), std::vector<QByteArray>(lines.size()), {}, {}, {}};
    QList<QByteArray> written;
    bool firstGeneralEnded = false, inGeneral = true;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (text[lines[i].start] == '[') {
            if (!plan.firstGroup) plan.firstGroup = i;
            if (plan.anchor) firstGeneralEnded = true;
            inGeneral = OpensGeneral(text, lines[i]);
            if (inGeneral && !plan.anchor) plan.anchor = i;
            continue;
        }
        const QByteArray key = inGeneral ? KeyOf(text, lines[i]) : QByteArray();
        if (key.isEmpty()) continue;
        if (!firstGeneralEnded) plan.anchor = i;
        const auto match = std::find_if(values.begin(), values.end(), [&](const auto& value) { return value.first == key; });
        if (match == values.end()) continue;
        plan.fates[i] = written.contains(key) ? Fate::Drop : Fate::Replace;
        plan.replacements[i] = key + '=' + match->second;
        written << key;
    }
    for (const auto& [key, value] : values)
        if (!written.contains(key)) plan.missing << key + '=' + value;
    return plan;
}

bool KeptOpen(const IniPlan& plan, const std::vector<IniLine>& lines, size_t i) {
    return plan.fates[i] == Fate::Keep && (lines[i].endsInQuotes || lines[i].endsInEscape);
}

// Where the missing keys go: on the line after the anchor's; before a line whose
// quotes never close or whose last backslash waits for a character, as everything
// after it would be part of its value; with a group header of their own when the
// file has no General keys.
struct IniPlacement {
    std::optional<size_t> before, after;
    bool header;
};

IniPlacement PlaceMissing(const IniPlan& plan, const std::vector<IniLine>& lines) {
    IniPlacement place{{}, {}, !plan.anchor};
    if (plan.missing.isEmpty()) return place;
    if (plan.anchor && KeptOpen(plan, lines, *plan.anchor))
        place.before = plan.anchor;
    else if (plan.anchor)
        place.after = plan.anchor;
    else if (plan.firstGroup)
        place.before = plan.firstGroup;
    else if (!lines.empty() && KeptOpen(plan, lines, lines.size() - 1))
        place.before = lines.size() - 1;
    return place;
}

// The length of the line end at `at`: 0, 1 or 2 (CR LF).
qsizetype TerminatorLength(const QByteArray& gap, qsizetype at) {
    if (at >= gap.size() || (gap[at] != '\n' && gap[at] != '\r')) return 0;
    return at + 1 < gap.size() && gap[at] == '\r' && gap[at + 1] == '\n' ? 2 : 1;
}

// The lines with their fates, the text between them (blanks, comments) as it is, and
// the block of missing keys in its place. A line's end stays where it was, right after
// the line: a backslash last on the line may have taken a lone CR or LF, and a line end
// written next to that one would pair with it and join the next line to the value.
QByteArray Assemble(const QByteArray& text, const std::vector<IniLine>& lines, const IniPlan& plan,
                    const IniPlacement& place, const QByteArray& block, const QByteArray& newline) {
    QByteArray result;
    qsizetype copied = 0;
    bool pending = false;  // the block waits for the end of the anchor's line
    bool dropped = false;  // the line just passed was dropped: its line end goes too
    const auto copyGap = [&](QByteArray gap) {
        const bool afterDropped = std::exchange(dropped, false);
        if (afterDropped) gap.remove(0, TerminatorLength(gap, 0));
        if (pending) {  // after the anchor's line end: where a dropped anchor was, or past its end
            qsizetype at = 0;
            QByteArray lead;
            if (!afterDropped) {
                while (at < gap.size() && gap[at] != '\n' && gap[at] != '\r') ++at;
                const qsizetype length = TerminatorLength(gap, at);
                if (length == 0) lead = newline;  // the file's end: the anchor's line gets an end
                at += length;
            }
            gap.insert(at, lead + block);
            pending = false;
        }
        result += gap;
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        QByteArray gap = text.mid(copied, lines[i].start - copied);
        copied = lines[i].end;
        if (plan.fates[i] == Fate::Drop) {  // its indent goes, and its line end after it
            qsizetype cut = gap.size();
            while (cut > 0 && (gap[cut - 1] == ' ' || gap[cut - 1] == '\t')) --cut;
            gap.truncate(cut);
        }
        // The blanks that begin the key of a first line after a BOM would begin the
        // block's first key instead: the line keeps them, escaped, as its own.
        // So does a second mark that begins it: escaped, as the character QSettings reads.
        QByteArray keptLead;
        qsizetype keptFrom = lines[i].start;
        if (place.before == i && lines[i].keyStart < lines[i].start) {
            for (const char c : gap.mid(lines[i].keyStart)) keptLead += c == '\t' ? "%09" : "%20";
            gap.truncate(lines[i].keyStart);
        }
        if (place.before == i && plan.fates[i] == Fate::Keep && lines[i].afterMark && text.mid(keptFrom, 3) == "\xEF\xBB\xBF") {
            keptLead += "%UFEFF";
            keptFrom += 3;
        }
        copyGap(gap);
        if (place.before == i) result += block + (place.header && plan.firstGroup == i ? newline : QByteArray());
        result += keptLead;
        if (plan.fates[i] == Fate::Keep) result += text.mid(keptFrom, lines[i].end - keptFrom);
        if (plan.fates[i] == Fate::Replace) result += plan.replacements[i];
        dropped = plan.fates[i] == Fate::Drop;
        if (place.after == i) pending = true;
    }
    copyGap(text.mid(copied));
    return result;
}

}  // namespace

QByteArray SetIniValues(const QByteArray& text, const IniValues& values) {
    const QByteArray newline = text.contains("\r\n") ? "\r\n" : "\n";
    const std::vector<IniLine> lines = SplitLines(text);
    const IniPlan plan = PlanLines(text, lines, values);
    const IniPlacement place = PlaceMissing(plan, lines);
    const QByteArray block =
        (place.header ? "[General]" + newline : QByteArray()) + plan.missing.join(newline) + newline;
    QByteArray result = Assemble(text, lines, plan, place, block, newline);
    if (!plan.missing.isEmpty() && !place.before && !place.after) {
        if (!result.isEmpty() && !result.endsWith('\n')) result += newline;
        result += block;
    }
    const bool openAtEnd = !lines.empty() && KeptOpen(plan, lines, lines.size() - 1) && lines.back().end == text.size();
    if (!result.isEmpty() && !result.endsWith('\n') && !result.endsWith('\r') && !openAtEnd) result += newline;
    return result;
}
