// Replacing a small file whole: the new contents are written to a new file beside it,
// flushed to the disk and renamed over the old one, every step checked. A full disk,
// a quota, a read-only folder or a folder where the file should be fail with the
// system's reason and leave the old file exactly as it was.
#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>

// Returns an empty string on success, else the system's reason for the failure. A file
// that is not writable (read-only, or another user's) is refused and left as it is. A
// symbolic link of the user's own is followed: the file it names is replaced (made, if
// it is not there yet) and the link kept; a link of another user is refused, as is a
// loop of links. A hard link is replaced by a file of its own: the other names keep
// the old contents.
QString ReplaceFileContents(const QString& path, const QByteArray& contents);

// Removes the new files that replacements of `path` left when their program was
// killed before the rename. With 0, every one: only for a caller that knows no
// replacement of the file is under way (one holding the file's lock); else those not
// changed for `olderThan`, which no replacement still under way can have left.
void RemoveUnfinishedReplacements(const QString& path, std::chrono::seconds olderThan = std::chrono::seconds(0));
