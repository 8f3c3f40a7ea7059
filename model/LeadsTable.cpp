#include "model/LeadsTable.h"

#include <QList>
#include <QStringView>

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes map to the C1 controls
// of the same value, as Windows itself does. The rest of the page is Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char EncodeCharacter(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == c) return char(0x80 + i);
    return '?';
}

void WriteInt32(uint8_t* p, int32_t value) {
    const auto v = uint32_t(value);
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

int32_t ReadInt32(const uint8_t* p) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t(p[i]) << (8 * i);
    return int32_t(v);
}

constexpr int kPaddingOffset = kLeadEntries * kNameSlot;  // 110
constexpr int kPointsOffset = kPaddingOffset + 2;          // 112

}  // namespace

QByteArray EncodeCp1252(const QString& text, int maxCharacters) {
    QByteArray bytes;
    for (char32_t c : QStringView(text).toUcs4()) {
        if (bytes.size() >= maxCharacters) break;
        bytes += EncodeCharacter(c);
    }
    return bytes;
}

QString StorableName(const QString& typed, QString* refused) {
    QString kept;
    for (char32_t c : QStringView(typed.normalized(QString::NormalizationForm_C)).toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        // Control characters (a pasted line break, tab or C1 code) would break the
        // table's lines, though the page has bytes for some of them.
        if ((c == U'?' || EncodeCharacter(c) != '?') && QChar::category(c) != QChar::Other_Control)
            kept += character;
        else if (refused && !refused->contains(character))
            *refused += character;
    }
    return kept;
}

QString DecodeCp1252(const QByteArray& bytes) {
    QString text;
    for (char byte : bytes) {
        const auto b = uint8_t(byte);
        text += (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return text;
}

LeadsTable DefaultLeadsTable() {
    LeadsTable table;
    for (int entry = kLeadEntries; entry >= 1; --entry) SetLeadEntry(table, entry, QStringLiteral("none"), 0);
    return table;
}

LeadEntry GetLeadEntry(const LeadsTable& table, int entry) {
    const auto& slot = table.names[size_t(entry - 1)];
    // A corrupt length above 10 is read as 10: never past the slot.
    const int length = slot[0] > kMaxNameLength ? kMaxNameLength : slot[0];
    const QByteArray bytes(reinterpret_cast<const char*>(slot.data() + 1), length);
    return {DecodeCp1252(bytes), table.points[size_t(entry - 1)]};
}

void SetLeadEntry(LeadsTable& table, int entry, const QString& name, int32_t points) {
    const QByteArray bytes = EncodeCp1252(name, kMaxNameLength);
    auto& slot = table.names[size_t(entry - 1)];
    slot.fill(0);
    slot[0] = uint8_t(bytes.size());
    std::copy(bytes.begin(), bytes.end(), slot.begin() + 1);
    table.points[size_t(entry - 1)] = points;
}

bool RankLead(LeadsTable& table, const QString& name, int32_t points) {
    if (table.points[kLeadEntries - 1] >= points) return false;
    int place = 1;
    while (table.points[size_t(place - 1)] >= points) ++place;
    for (int entry = kLeadEntries; entry > place; --entry) {
        table.names[size_t(entry - 1)] = table.names[size_t(entry - 2)];
        table.points[size_t(entry - 1)] = table.points[size_t(entry - 2)];
    }
    SetLeadEntry(table, place, name, points);
    return true;
}

LeadsRecord SerializeLeads(const LeadsTable& table) {
    LeadsRecord record{};
    for (int i = 0; i < kLeadEntries; ++i)
        std::copy(table.names[size_t(i)].begin(), table.names[size_t(i)].end(), record.begin() + i * kNameSlot);
    record[kPaddingOffset] = table.padding[0];
    record[kPaddingOffset + 1] = table.padding[1];
    for (int i = 0; i < kLeadEntries; ++i) WriteInt32(record.data() + kPointsOffset + 4 * i, table.points[size_t(i)]);
    return record;
}

LeadsTable ParseLeads(const LeadsRecord& record) {
    LeadsTable table;
    for (int i = 0; i < kLeadEntries; ++i)
        std::copy(record.begin() + i * kNameSlot, record.begin() + (i + 1) * kNameSlot, table.names[size_t(i)].begin());
    table.padding = {record[kPaddingOffset], record[kPaddingOffset + 1]};
    for (int i = 0; i < kLeadEntries; ++i) table.points[size_t(i)] = ReadInt32(record.data() + kPointsOffset + 4 * i);
    return table;
}
