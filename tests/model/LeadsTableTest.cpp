// The 152-byte record and its names, byte for byte.
#include <gtest/gtest.h>

#include "QtPrinting.h"
#include "model/LeadsTable.h"

TEST(LeadsRecord, DefaultTableLayout) {
    const LeadsRecord record = SerializeLeads(DefaultLeadsTable());
    for (int entry = 0; entry < 10; ++entry) {
        const uint8_t* slot = record.data() + 11 * entry;
        EXPECT_EQ(slot[0], 4);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(slot + 1), 4), "none");
        for (int i = 5; i < 11; ++i) EXPECT_EQ(slot[i], 0);
    }
    for (size_t i = 110; i < 152; ++i) EXPECT_EQ(record[i], 0) << i;
}

TEST(LeadsRecord, PointsAreLittleEndianSigned) {
    LeadsTable table = DefaultLeadsTable();
    SetLeadEntry(table, 1, QStringLiteral("Ann"), 0x01020304);
    SetLeadEntry(table, 10, QStringLiteral("Bob"), -30);
    const LeadsRecord record = SerializeLeads(table);
    EXPECT_EQ(record[112], 0x04);
    EXPECT_EQ(record[113], 0x03);
    EXPECT_EQ(record[114], 0x02);
    EXPECT_EQ(record[115], 0x01);
    EXPECT_EQ(record[148], 0xe2);
    EXPECT_EQ(record[151], 0xff);
    EXPECT_EQ(record[99], 3);
    EXPECT_EQ(record[100], 'B');
}

TEST(LeadsRecord, ParseKeepsEveryByte) {
    LeadsRecord record;
    for (size_t i = 0; i < record.size(); ++i) record[i] = uint8_t(i * 7 + 3);
    EXPECT_EQ(SerializeLeads(ParseLeads(record)), record);
}

TEST(LeadsNames, StoredInWindows1252OneBytePerCharacter) {
    struct Row {
        QString name;
        QByteArray bytes;
    };
    const Row rows[] = {
        {QStringLiteral("plain"), "plain"},
        {QString::fromUtf8("Zoë €5"), QByteArray("Zo\xeb \x80" "5")},
        {QString::fromUtf8("日本"), "??"},
        {QString::fromUtf8("a😀b"), "a?b"},
        {QStringLiteral("ABCDEFGHIJKLMN"), "ABCDEFGHIJ"},
        {QString(), ""},
    };
    for (const Row& row : rows) {
        LeadsTable table = DefaultLeadsTable();
        SetLeadEntry(table, 3, row.name, 7);
        const auto& slot = table.names[2];
        EXPECT_EQ(slot[0], row.bytes.size());
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(slot.data() + 1), slot[0]), row.bytes);
    }
    EXPECT_EQ(DecodeCp1252(QByteArray("Zo\xeb \x80\x9f")), QString::fromUtf8("Zoë €Ÿ"));
}

TEST(LeadsNames, StorableNameKeepsWhatTheTableHolds) {
    struct Row {
        const char* typed;
        const char* kept;
        const char* refused;
    };
    const Row rows[] = {
        {"Ann", "Ann", ""},
        {"\xc5\x81ukasz", "ukasz", "\xc5\x81"},                        // Ł
        {"Zo\xc3\xab \xe2\x82\xac?", "Zo\xc3\xab \xe2\x82\xac?", ""},  // ë, €, a real question mark
        {"Ren\x65\xcc\x81" "e", "Ren\xc3\xa9" "e", ""},                   // e + combining acute composes to é
        {"\xc5\x81\xc4\x85\xc5\x81" "a\xf0\x9f\x98\x80", "a", "\xc5\x81\xc4\x85\xf0\x9f\x98\x80"},  // Ł ą Ł a 😀
        {"\xc5\xb8\xc5\xbe\xc2\xa0", "\xc5\xb8\xc5\xbe\xc2\xa0", ""},  // Ÿ ž and a no-break space: in the page's top rows
        {"", "", ""},
        {"A\tn\x1bn\r\n\x7f\xc2\x81\xc2\x9d", "Ann", "\t\x1b\r\n\x7f\xc2\x81\xc2\x9d"},  // pasted controls, C1 ones too
    };
    for (const Row& row : rows) {
        QString refused;
        const QString kept = StorableName(QString::fromUtf8(row.typed), &refused);
        EXPECT_EQ(kept, QString::fromUtf8(row.kept)) << row.typed;
        EXPECT_EQ(refused, QString::fromUtf8(row.refused)) << row.typed;
        // What is kept is stored and read back unchanged.
        LeadsTable table = DefaultLeadsTable();
        SetLeadEntry(table, 1, kept, 1);
        EXPECT_EQ(GetLeadEntry(table, 1).name, kept.left(kMaxNameLength)) << row.typed;
    }
    EXPECT_EQ(StorableName(QStringLiteral("Ann") + QChar(0)), QStringLiteral("Ann"));
}

TEST(LeadsNames, CorruptLengthStaysInsideTheSlot) {
    LeadsRecord record = SerializeLeads(DefaultLeadsTable());
    record[0] = 200;  // entry 1 claims 200 characters
    for (int i = 1; i < 11; ++i) record[size_t(i)] = uint8_t('a' + i - 1);
    const LeadEntry entry = GetLeadEntry(ParseLeads(record), 1);
    EXPECT_EQ(entry.name, QStringLiteral("abcdefghij"));
    EXPECT_EQ(GetLeadEntry(ParseLeads(record), 2).name, QStringLiteral("none"));
}
