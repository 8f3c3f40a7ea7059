// "leads.dat": the leaders table on disk, read before every display and insertion,
// so the file is the authority. Writes replace the file atomically, and insertions
// hold a lock file so that two games finishing at once both keep their results.
#pragma once

#include <QString>

#include <stdexcept>

#include "LeadsTable.h"

// The file could not be read, created or written; what() carries the platform's text.
class LeadsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline const QString kLeadsFileName = QStringLiteral("leads.dat");

// Fills the table from the file. A missing file, or one shorter than 152 bytes, is
// replaced by the default table. Any other failure leaves the file alone, puts the
// default table in memory and throws LeadsError.
void LoadLeads(LeadsTable& table, const QString& path = kLeadsFileName);
// Reloads the file and ranks the result in below any equal points; the file is
// rewritten only when the result beats entry 10.
void InsertLead(LeadsTable& table, const QString& name, int32_t points, const QString& path = kLeadsFileName);
// Starts over with the default table.
void ClearLeads(LeadsTable& table, const QString& path = kLeadsFileName);
