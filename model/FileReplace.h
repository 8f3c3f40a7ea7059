// Replacing a small file whole: the new contents are written to a new file beside it,
// flushed to the disk and renamed over the old one, every step checked. A full disk,
// a quota, a read-only folder or a folder where the file should be fail with the
// system's reason and leave the old file exactly as it was.
#pragma once

#include <QByteArray>
#include <QString>

// Returns an empty string on success, else the system's reason for the failure.
// A symbolic link is followed: the file it names is replaced and the link kept.
QString ReplaceFileContents(const QString& path, const QByteArray& contents);

// Removes the new files that replacements of `path` left when their program was
// killed before the rename. Only for a caller that knows no replacement of the file
// is under way (one holding the file's lock).
void RemoveUnfinishedReplacements(const QString& path);
