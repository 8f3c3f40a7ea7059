// Random "leads.dat" files, seeded so that a failure can be replayed: whatever the
// bytes, reading, showing and inserting must neither crash nor read outside the
// record, and what is written must read back as it was.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <random>

#include "model/LeadsFile.h"

TEST(LeadsFuzz, RandomFilesAreReadShownAndExtendedSafely) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("leads.dat"));
    std::mt19937 random(152);
    std::uniform_int_distribution<int> byte(0, 255), length(0, 320), pointsOf(-3000, 3000), nameLength(0, 14);
    std::uniform_int_distribution<int> character(1, 0x2FFF);
    for (int run = 0; run < 3000; ++run) {
        QByteArray bytes(length(random), '\0');
        for (char& b : bytes) b = char(byte(random));
        if (run % 3 == 0 && bytes.size() >= 112) bytes[11 * (run % 10)] = char(200);  // a length far past the slot
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();

        LeadsTable table;
        ASSERT_NO_THROW(LoadLeads(table, path)) << "run " << run;
        for (int entry = 1; entry <= kLeadEntries; ++entry) ASSERT_LE(GetLeadEntry(table, entry).name.size(), kMaxNameLength);

        QString name;
        for (int i = nameLength(random); i > 0; --i) name += QChar(character(random));
        const int32_t points = pointsOf(random);
        const int32_t lowest = table.points[kLeadEntries - 1];
        ASSERT_NO_THROW(InsertLead(table, name, points, path)) << "run " << run;
        LeadsTable reread;
        LoadLeads(reread, path);
        ASSERT_EQ(SerializeLeads(reread), SerializeLeads(table)) << "run " << run;
        if (points > lowest) {
            ASSERT_NE(std::find(table.points.begin(), table.points.end(), points), table.points.end()) << "run " << run;
        }
    }
}
