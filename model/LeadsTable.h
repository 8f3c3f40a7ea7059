// The ten best results, exactly as the 152-byte record of "leads.dat" holds them:
// ten counted names of 11 bytes (length, then up to 10 Windows-1252 characters),
// 2 bytes of padding, ten little-endian signed 32-bit point counts.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

constexpr int kLeadEntries = 10;
constexpr int kNameSlot = 11;
constexpr int kMaxNameLength = 10;
constexpr int kLeadsRecordSize = 152;

struct LeadsTable {
    std::array<std::array<uint8_t, kNameSlot>, kLeadEntries> names{};
    std::array<uint8_t, 2> padding{};
    std::array<int32_t, kLeadEntries> points{};
};

// One entry as it is shown; entry numbers run from 1 (best) to 10.
struct LeadEntry {
    QString name;
    int32_t points;
};

LeadsTable DefaultLeadsTable();
LeadEntry GetLeadEntry(const LeadsTable& table, int entry);
void SetLeadEntry(LeadsTable& table, int entry, const QString& name, int32_t points);
// Ranks a result in below any equal points when it beats entry 10; entry 10 drops
// out. Returns whether the table changed.
bool RankLead(LeadsTable& table, const QString& name, int32_t points);

using LeadsRecord = std::array<uint8_t, kLeadsRecordSize>;
LeadsRecord SerializeLeads(const LeadsTable& table);
LeadsTable ParseLeads(const LeadsRecord& record);

// Windows-1252, one byte per character: characters the code page cannot hold
// become '?'. Encoding keeps the first `maxCharacters` characters.
QByteArray EncodeCp1252(const QString& text, int maxCharacters);
QString DecodeCp1252(const QByteArray& bytes);

// A name as the table can hold it, so that what a player types is what the table
// shows: composed (an "e" and a combining accent become "é"), without the characters
// Windows-1252 lacks nor control characters, each of which `refused` lists once in the
// order typed.
QString StorableName(const QString& typed, QString* refused = nullptr);
