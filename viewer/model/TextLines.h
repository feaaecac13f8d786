#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

namespace mdlRKVUtilities {

// A text file read line by line, as far as its reader needs it: a file far
// larger than its format needs costs no more than the lines really read. A
// line ends at CR LF, at LF or at CR; a last line without an end still
// counts, and an end at the very end of the file starts no further line.
// Each line is taken as UTF-8 when its bytes are valid UTF-8, otherwise in the
// single-byte Latin-1 set. A byte-order mark at the start is no text.
class TextLines {
public:
    // No line of the viewer's files comes near this many bytes; a longer one
    // means the file is no text file of ours, and reading stops there.
    static constexpr qsizetype MaxLineBytes = 1 << 20;

    // Opens the file; false when it cannot be opened.
    bool open(const QString& path);

    // The next line, or nothing at the end of the file, after a read error
    // and at a line longer than MaxLineBytes (the file is closed then).
    std::optional<QString> next();

    static QString decode(const QByteArray& bytes);

private:
    QFile file_;
    bool atStart_ = true;
};

}  // namespace mdlRKVUtilities
