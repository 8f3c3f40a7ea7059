// A player's card set is made in a hidden folder beside its place, ".NAME.making-XXXXXX",
// and put in place in one step: the made folder and the old set trade names, so the
// set is listed at every moment, and the old set then goes with the hidden name. The
// sets' folder may be one others can write: nothing here follows a link, removes or
// renames anything but real folders of the user's own, or trusts a name it checked.
#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>

#include "model/Descriptors.h"

// Why a set cannot have this name, as the file system stores names: empty when it can.
// The hidden folders beside the set need room for their marks.
QString SetNameProblem(const QString& name);

// What a make killed part way left in `setsFolder`: a set hidden under ".NAME.old" or
// ".NAME.old-XXXXXX" with no NAME beside it is put back; hidden making and old folders
// not changed for `olderThan` are removed (no make still under way leaves one that long).
void RecoverInterruptedMakes(const QString& setsFolder, std::chrono::seconds olderThan = std::chrono::minutes(1));

// The hidden folder of a set being made; removed with what it holds unless put in place.
class SetUnderConstruction {
public:
    explicit SetUnderConstruction(const QString& setFolder);
    ~SetUnderConstruction();
    SetUnderConstruction(const SetUnderConstruction&) = delete;
    SetUnderConstruction& operator=(const SetUnderConstruction&) = delete;

    // Why the folder could not be made; empty when it was.
    const QString& Problem() const { return problem_; }
    // Writes a file of the set whole and flushed to the disk: empty, or what went wrong
    // with the system's reason ("No space left on device").
    QString Write(const QString& fileName, const QByteArray& contents);
    // Puts the set in place, replacing a set of that name: empty, or what went wrong;
    // on failure the sets stay as they were.
    QString PutInPlace();

private:
    QString setFolder_;
    QByteArray name_;
    UniqueFd parent_;
    UniqueFd making_;
    QByteArray makingName_;
    QString problem_;
};

// Removes `name` in `folder` and all it holds when it is a real folder of the user's own
// (links in it removed, never followed), or a file or link of the user's own.
void RemoveOwnTree(int folder, const QByteArray& name);
