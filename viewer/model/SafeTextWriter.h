#pragma once

#include <QString>
#include <QStringList>

namespace mdlRKVUtilities {

// Writes a text file safely: the lines go to a temporary file beside the
// target, each ended by CR LF, and only a complete write replaces the target
// (by renaming the temporary file over it). A failed or interrupted write
// leaves the old file as it was. Text is written in the single-byte Latin-1
// set when every character fits it, otherwise as UTF-8.
bool WriteTextLines(const QString& path, const QStringList& lines);

// The bytes WriteTextLines would write.
QByteArray EncodeTextLines(const QStringList& lines);

// A number as the classic runtime prints a bare number: a blank where a minus
// sign would stand (the sign itself when negative), the digits, one blank
// after: 3 becomes " 3 ", -127 becomes "-127 ".
QString BareNumberText(qint64 value);

}  // namespace mdlRKVUtilities
