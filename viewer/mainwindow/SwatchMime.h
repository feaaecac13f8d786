#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

class QMimeData;

// What a dragged swatch carries: its colour value, its offset (the numeric
// value of its tag) and its name (its tool tip).
struct SwatchValues {
    qint32 color = 0;
    qint32 offset = 0;
    QString name;

    friend bool operator==(const SwatchValues&, const SwatchValues&) = default;
};

// The drag data of a swatch, in a MIME type of our own, so that only a
// swatch's drag is taken by the region swatches and the canvas.
namespace SwatchMime {

inline constexpr char MimeType[] = "application/x-rkv3-swatch";

// The offset a swatch tag stands for: the leading number of the text,
// rounded to a 32-bit integer; a tag that is not a number, or one whose
// number lies outside 32 bits, counts as 0.
qint32 OffsetOfTag(const QString& tag);

// New drag data for a swatch (the caller, or the drag, owns it).
QMimeData* encode(const SwatchValues& values);

// The values a drag carries, or nothing when it carries no swatch (no data of
// our type, or data that is not a whole swatch record).
std::optional<SwatchValues> decode(const QMimeData* mime);

}  // namespace SwatchMime
