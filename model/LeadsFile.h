// "leads.dat": the leaders table on disk, read before every display and insertion,
// so the file is the authority. Every write holds the lock (LeadsLock), re-reads the
// file under it and replaces it whole, so that the file always holds a complete
// table and two games finishing at once both keep their results.
#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

#include "model/LeadsTable.h"

// The file could not be read, locked or written; what() names the file and gives
// the system's reason.
class LeadsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline const QString kLeadsFileName = QStringLiteral("leads.dat");

// Fills the table from the file. A missing file, or one shorter than 152 bytes, is
// replaced by the default table. A file that cannot be read (no permission; a
// folder, FIFO or device in its place) is left alone, and so is `table`: LeadsError.
void LoadLeads(LeadsTable& table, const QString& path = kLeadsFileName);

// Applies `change` to the table in the file as it is now and writes the result back
// when `change` returns true (or the file was missing or short). `table` receives
// what the file then holds; on a failure it is left as it was, and LeadsError says why.
// `whileWaiting` is called while another program holds the file's lock.
void UpdateLeads(LeadsTable& table, const std::function<bool(LeadsTable&)>& change, const QString& path = kLeadsFileName,
                 const std::function<void()>& whileWaiting = {});

// Ranks the result in below any equal points and rewrites the file when it beats
// entry 10. When the file cannot be read or written the result is still ranked into
// `table`, and LeadsError says why it is not on disk.
void InsertLead(LeadsTable& table, const QString& name, int32_t points, const QString& path = kLeadsFileName);

// Starts over with the default table.
void ClearLeads(LeadsTable& table, const QString& path = kLeadsFileName);
