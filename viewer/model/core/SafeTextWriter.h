#pragma once

#include <QString>
#include <QStringList>

namespace mdlRKVUtilities {

// Writes a text file safely, by the rules of Platform::ReplacementFile: the
// lines, each ended by CR LF, go to a new file that only a complete write
// renames over the target. A failed or interrupted write leaves the old file
// as it was; a link at the target is replaced, never followed. The text is encoded by the rule of
// TextEncoding.h. A line break inside a line (a name holding one, say) is
// written as a blank, so the file always has the lines its reader expects.
bool WriteTextLines(const QString& path, const QStringList& lines);

// A text as one line: CR LF, CR and LF each become one blank.
QString SingleLineText(const QString& text);

// The bytes WriteTextLines would write.
QByteArray EncodeTextLines(const QStringList& lines);

// A number as the classic runtime prints a bare number: a blank where a minus
// sign would stand (the sign itself when negative), the digits, one blank
// after: 3 becomes " 3 ", -127 becomes "-127 ".
QString BareNumberText(qint64 value);

}  // namespace mdlRKVUtilities
