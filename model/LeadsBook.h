// The leaders table of this run, as the windows see it: the file, results that could
// not be saved (kept in memory until the program ends, and written with the next
// insertion that succeeds), and the problem with the file the player was last told
// about, so that a lasting problem is told once rather than at every display.
#pragma once

#include <QString>

#include <functional>
#include <utility>
#include <vector>

#include "model/LeadsFile.h"

class LeadsBook {
public:
    explicit LeadsBook(QString path = kLeadsFileName) : path_(std::move(path)) {}

    // The file's table as last read, with the unsaved results ranked in.
    LeadsTable Table() const;
    const QString& Path() const { return path_; }

    // Each returns what to tell the player: empty when all went well or when the
    // player already knows of the problem.
    QString Load();
    // `whileWaiting` is called while another game holds the file's lock.
    QString Insert(const QString& name, int32_t points, const std::function<void()>& whileWaiting = {});
    QString Clear();

private:
    QString Tell(const LeadsError& error);

    QString path_;
    LeadsTable file_ = DefaultLeadsTable();
    std::vector<std::pair<QString, int32_t>> unsaved_;
    QString told_;
};
