// The settings file's text, in the INI form that QSettings reads: keys of the
// "[General]" group as key=value lines. Saving edits the text in place, so that
// comments, other keys and other groups come through a save unchanged.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// A text value as QSettings writes it: escapes for backslashes, quotes and control
// characters, quotes around values with ';', ',', '=' or spaces at either end (which
// would read back as lists or lose the spaces), "@@" for a leading '@'.
QByteArray EncodeIniString(const QString& value);

using IniValues = QList<QPair<QByteArray, QByteArray>>;  // key, encoded value

// `text` with each key of `values` set in the General group: its first line there
// is replaced, further lines of the same key dropped, missing keys added at the
// group's end (the group itself at the top when the file has none).
QByteArray SetIniValues(const QByteArray& text, const IniValues& values);
