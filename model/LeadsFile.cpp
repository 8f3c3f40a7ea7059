#include "model/LeadsFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/FileReplace.h"
#include "model/LeadsLock.h"
#include "model/SystemError.h"

namespace {

enum class Outcome { Read, MissingOrShort, Failed };

struct ReadResult {
    Outcome outcome;
    LeadsTable table;
    QString reason;
};

// Opens only a regular file, and without blocking, so that a FIFO or a device in the
// file's place is an error rather than a wait that never ends.
ReadResult ReadLeadsFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {errno == ENOENT ? Outcome::MissingOrShort : Outcome::Failed, {}, SystemReason(errno)};
    struct stat info{};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = errno;
        ::close(fd);
        if (S_ISDIR(info.st_mode)) return {Outcome::Failed, {}, SystemReason(EISDIR)};
        return {Outcome::Failed, {}, S_ISREG(info.st_mode) ? SystemReason(error) : QCoreApplication::translate("LeadsFile", "not a regular file")};
    }
    LeadsRecord record{};
    size_t have = 0;
    while (have < record.size()) {
        const ssize_t got = ::read(fd, record.data() + have, record.size() - have);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return {Outcome::Failed, {}, SystemReason(error)};
        }
        if (got == 0) break;
        have += size_t(got);
    }
    ::close(fd);
    if (have < record.size()) return {Outcome::MissingOrShort, {}, {}};
    return {Outcome::Read, ParseLeads(record), {}};
}

QString Shown(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

[[noreturn]] void FailToRead(const QString& path, const QString& reason) {
    throw LeadsError(QCoreApplication::translate("LeadsFile", "Cannot read the leaders table %1: %2").arg(Shown(path), reason).toStdString());
}

[[noreturn]] void FailToSave(const QString& path, const QString& reason) {
    throw LeadsError(QCoreApplication::translate("LeadsFile", "Cannot save the leaders table %1: %2").arg(Shown(path), reason).toStdString());
}

void WriteLeads(const LeadsTable& table, const QString& path) {
    RemoveUnfinishedReplacements(path);  // a killed game's; we hold the lock
    const LeadsRecord record = SerializeLeads(table);
    const QString reason =
        ReplaceFileContents(path, QByteArray(reinterpret_cast<const char*>(record.data()), qsizetype(record.size())));
    if (!reason.isEmpty()) FailToSave(path, reason);
}

}  // namespace

void LoadLeads(LeadsTable& table, const QString& path) {
    const ReadResult result = ReadLeadsFile(path);
    if (result.outcome == Outcome::Failed) FailToRead(path, result.reason);
    if (result.outcome == Outcome::Read)
        table = result.table;
    else  // created under the lock: another game may have just written its result
        UpdateLeads(table, nullptr, path);
}

void UpdateLeads(LeadsTable& table, const std::function<bool(LeadsTable&)>& change, const QString& path,
                 const std::function<void()>& whileWaiting) {
    const LeadsLock lock(path, std::chrono::milliseconds(3000), whileWaiting);
    if (!lock.IsHeld()) FailToSave(path, lock.Reason());
    const ReadResult result = ReadLeadsFile(path);
    if (result.outcome == Outcome::Failed) FailToRead(path, result.reason);
    LeadsTable next = result.outcome == Outcome::Read ? result.table : DefaultLeadsTable();
    const bool changed = change && change(next);
    if (changed || result.outcome != Outcome::Read) WriteLeads(next, path);
    table = next;
}

void InsertLead(LeadsTable& table, const QString& name, int32_t points, const QString& path) {
    try {
        UpdateLeads(table, [&](LeadsTable& current) { return RankLead(current, name, points); }, path);
    } catch (const LeadsError&) {
        RankLead(table, name, points);
        throw;
    }
}

void ClearLeads(LeadsTable& table, const QString& path) {
    const LeadsLock lock(path);
    if (!lock.IsHeld()) FailToSave(path, lock.Reason());
    table = DefaultLeadsTable();
    WriteLeads(table, path);
}
