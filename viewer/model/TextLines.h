#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace mdlRKVUtilities {

// A text file read whole and split into lines. A line ends at CR LF, at LF or
// at CR; a last line without an end still counts, and an end at the very end
// of the file starts no further line. The bytes are taken as UTF-8 when they
// are valid UTF-8, otherwise in the single-byte Latin-1 set.
class TextLines {
public:
    // Reads the file; false when it cannot be opened or read.
    bool open(const QString& path);

    // Splits text held in memory in the same way.
    static QStringList split(const QString& text);
    static QString decode(const QByteArray& bytes);

    // The next line, or nothing at the end of the file.
    std::optional<QString> next();
    bool atEnd() const { return position_ >= lines_.size(); }
    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
    qsizetype position_ = 0;
};

}  // namespace mdlRKVUtilities
