#include "model/core/TextEncoding.h"

#include <array>

namespace mdlRKVUtilities {

namespace {

// Characters of the bytes 0x80 to 0x9F in Windows-1252; the rest of the set
// is Latin-1.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == c) return char(0x80 + i);
    return std::nullopt;
}

}  // namespace

void Utf8Scan::feed(const char* bytes, qsizetype size)
{
    for (qsizetype i = 0; i < size && valid_; ++i) {
        const uchar b = uchar(bytes[i]);
        if (pending_ > 0) {
            if (b < low_ || b > high_) valid_ = false;
            low_ = 0x80;
            high_ = 0xBF;
            --pending_;
            continue;
        }
        if (b < 0x80) continue;
        nonAscii_ = true;
        // The lead byte tells how many continuation bytes follow and, for the
        // first of them, the range that rules out overlong forms, surrogates
        // and code points beyond U+10FFFF.
        if (b >= 0xC2 && b <= 0xDF) pending_ = 1;
        else if (b == 0xE0) pending_ = 2, low_ = 0xA0;
        else if (b == 0xED) pending_ = 2, high_ = 0x9F;
        else if (b >= 0xE1 && b <= 0xEF) pending_ = 2;
        else if (b == 0xF0) pending_ = 3, low_ = 0x90;
        else if (b >= 0xF1 && b <= 0xF3) pending_ = 3;
        else if (b == 0xF4) pending_ = 3, high_ = 0x8F;
        else valid_ = false;
    }
}

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        text[i] = QChar(b >= 0x80 && b < 0xA0 ? HighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

std::optional<QByteArray> EncodeWindows1252(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<char> b = windows1252Byte(text[i].unicode());
        if (!b) return std::nullopt;
        bytes[i] = *b;
    }
    return bytes;
}

QByteArray EncodeText(const QString& text)
{
    if (const std::optional<QByteArray> bytes = EncodeWindows1252(text)) {
        Utf8Scan scan;
        scan.feed(bytes->constData(), bytes->size());
        // Bytes that would start with the mark would read as UTF-8 too.
        if (!scan.readsAsUtf8() && !bytes->startsWith(Utf8Bom)) return *bytes;
    }
    return QByteArray(Utf8Bom) + text.toUtf8();
}

}  // namespace mdlRKVUtilities
