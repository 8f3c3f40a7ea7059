// libFuzzer: any 152 bytes as a leaders record. Reading, showing and ranking a result
// in must stay inside the record, and a record must write back byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "model/LeadsTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kLeadsRecordSize + 4) return 0;
    LeadsRecord record;
    std::memcpy(record.data(), data, record.size());
    LeadsTable table = ParseLeads(record);
    if (SerializeLeads(table) != record) std::abort();
    for (int entry = 1; entry <= kLeadEntries; ++entry)
        if (GetLeadEntry(table, entry).name.size() > kMaxNameLength) std::abort();

    int32_t points;
    std::memcpy(&points, data + kLeadsRecordSize, 4);
    const QString name = QString::fromUtf8(reinterpret_cast<const char*>(data + kLeadsRecordSize + 4),
                                           qsizetype(size - kLeadsRecordSize - 4));
    const int32_t lowest = table.points[kLeadEntries - 1];
    const bool ranked = RankLead(table, name, points);
    if (ranked != (points > lowest)) std::abort();
    if (ranked && GetLeadEntry(table, kLeadEntries).points > points) {
        // the new result sits above whatever was lowest
        bool found = false;
        for (int entry = 1; entry <= kLeadEntries; ++entry) found = found || table.points[size_t(entry - 1)] == points;
        if (!found) std::abort();
    }
    return 0;
}
