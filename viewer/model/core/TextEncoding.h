#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace mdlRKVUtilities {

// The one text encoding rule of every text file the viewer reads and writes
// (palettes, schemes, manifests, colour files), so that any name saved reads
// back identical:
//  - a file is read as UTF-8 when it starts with a UTF-8 byte-order mark, or
//    when its bytes are valid UTF-8 and hold at least one non-ASCII byte;
//    otherwise it is read as Windows-1252, the set most model files were
//    written in (bytes 0x80 to 0x9F are ' - EUR TM and the like);
//  - a text is written in Windows-1252 when every character fits that set
//    and the bytes would not read back as UTF-8; otherwise as UTF-8 after a
//    byte-order mark.

// The UTF-8 byte-order mark. It is no text: readers skip it.
inline constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

// Decides, over bytes fed in pieces of any size, whether they read as UTF-8
// by the rule above (the byte-order mark is the caller's to look for).
class Utf8Scan {
public:
    void feed(const char* bytes, qsizetype size);
    // True once the bytes seen cannot be UTF-8: more bytes change nothing.
    bool failed() const { return !valid_; }
    // After the last byte: valid UTF-8 that is not plain ASCII.
    bool readsAsUtf8() const { return valid_ && pending_ == 0 && nonAscii_; }

private:
    bool valid_ = true;
    bool nonAscii_ = false;
    int pending_ = 0;     // continuation bytes still due
    uchar low_ = 0x80;    // range of the next continuation byte
    uchar high_ = 0xBF;
};

// Bytes in Windows-1252. The five bytes the set leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) stand for the control characters of the same number.
QString DecodeWindows1252(const QByteArray& bytes);

// The text in Windows-1252, or nothing when a character does not fit.
std::optional<QByteArray> EncodeWindows1252(const QString& text);

// The bytes of a whole file's text by the writing rule above.
QByteArray EncodeText(const QString& text);

}  // namespace mdlRKVUtilities
