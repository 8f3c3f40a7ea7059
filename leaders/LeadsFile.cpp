#include "LeadsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace {

[[noreturn]] void Fail(const QString& path, const QString& reason) {
    throw LeadsError(QStringLiteral("%1: %2").arg(path, reason).toStdString());
}

// Writes the whole record to a temporary file beside the target and renames it
// over, so the file always holds either the old or the new table.
void WriteLeads(const LeadsTable& table, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) Fail(path, file.errorString());
    const LeadsRecord record = SerializeLeads(table);
    if (file.write(reinterpret_cast<const char*>(record.data()), qint64(record.size())) != qint64(record.size()))
        Fail(path, file.errorString());
    if (!file.commit()) Fail(path, file.errorString());
}

// Serialises InsertLead and ClearLeads between processes sharing the folder.
class LeadsLock {
public:
    explicit LeadsLock(const QString& path) : lock_(path + QStringLiteral(".lock")) {
        lock_.setStaleLockTime(30000);
        if (!lock_.tryLock(10000) && lock_.error() == QLockFile::LockFailedError)
            Fail(path, QStringLiteral("the leaders table is in use by another program"));
        // Any other lock failure (a read-only folder) is left to the write to report.
    }

private:
    QLockFile lock_;
};

}  // namespace

void LoadLeads(LeadsTable& table, const QString& path) {
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        table = DefaultLeadsTable();
        WriteLeads(table, path);
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        table = DefaultLeadsTable();
        Fail(path, file.errorString());
    }
    const QByteArray bytes = file.read(kLeadsRecordSize);
    if (file.error() != QFileDevice::NoError) {
        table = DefaultLeadsTable();
        Fail(path, file.errorString());
    }
    if (bytes.size() < kLeadsRecordSize) {
        file.close();
        table = DefaultLeadsTable();
        WriteLeads(table, path);
        return;
    }
    LeadsRecord record;
    std::copy(bytes.begin(), bytes.end(), record.begin());
    table = ParseLeads(record);
}

void InsertLead(LeadsTable& table, const QString& name, int32_t points, const QString& path) {
    LeadsLock lock(path);
    LoadLeads(table, path);
    if (table.points[kLeadEntries - 1] >= points) return;
    int place = 1;
    while (table.points[size_t(place - 1)] >= points) ++place;
    LeadsTable ranked = table;
    for (int entry = kLeadEntries; entry > place; --entry) {
        ranked.names[size_t(entry - 1)] = table.names[size_t(entry - 2)];
        ranked.points[size_t(entry - 1)] = table.points[size_t(entry - 2)];
    }
    SetLeadEntry(ranked, place, name, points);
    WriteLeads(ranked, path);
    table = ranked;
}

void ClearLeads(LeadsTable& table, const QString& path) {
    LeadsLock lock(path);
    table = DefaultLeadsTable();
    // Replacing the file with the default table is the delete-and-recreate in one
    // atomic step; a failure leaves the old table on disk.
    WriteLeads(table, path);
}
