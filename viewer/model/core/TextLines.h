#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

namespace mdlRKVUtilities {

// A text file read line by line, as far as its reader needs it: a file far
// larger than its format needs costs no more memory than the lines really
// read. A line ends at CR LF, at LF or at CR; a last line without an end
// still counts, and an end at the very end of the file starts no further
// line. The file's encoding follows the rule of TextEncoding.h, decided
// once for the whole file when it is opened; a byte-order mark is no text.
class TextLines {
public:
    // No line of the viewer's files comes near this many bytes; a longer one
    // means the file is no text file of ours, and reading stops there.
    static constexpr qsizetype MaxLineBytes = 1 << 20;

    // The most bytes a file of this many lines can need.
    static constexpr qint64 BytesForLines(qint64 lines) { return lines * (MaxLineBytes + 2); }

    // Stops the reading, as a read error would, once the lines read reach
    // this many bytes in all: a reader that keeps every line it reads sets
    // it, so that a file of any size costs a bounded amount of memory. The
    // encoding is then decided on these bytes only, so that a file of any
    // size costs bounded time too. Set it before open().
    void setByteLimit(qint64 bytes) { byteLimit_ = bytes; }

    // Opens the file; false when it cannot be opened or read, or is no
    // regular file (a folder, device or FIFO counts as missing).
    bool open(const QString& path);

    // The next line, or nothing at the end of the file, after a read error
    // and at a line longer than MaxLineBytes (the file is closed then).
    std::optional<QString> next();

private:
    // Looks for the byte-order mark, otherwise scans the bytes up to the
    // first one that cannot be UTF-8, and comes back to the first line.
    bool decideEncoding();

    QFile file_;
    bool utf8_ = false;
    qint64 byteLimit_ = -1;  // none
};

}  // namespace mdlRKVUtilities
