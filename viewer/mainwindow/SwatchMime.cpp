#include "mainwindow/SwatchMime.h"

#include "model/core/NumberReading.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace SwatchMime {

namespace {

// The record's layout: a format number, then colour, offset and name.
constexpr quint8 FormatVersion = 1;

}  // namespace

qint32 OffsetOfTag(const QString& tag)
{
    return mdlRKVUtilities::ReadNumber(tag).value_or(0);
}

QMimeData* encode(const SwatchValues& values)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << FormatVersion << values.color << values.offset << values.name;
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(MimeType), bytes);
    mime->setText(values.name);
    return mime;
}

std::optional<SwatchValues> decode(const QMimeData* mime)
{
    const QString type = QString::fromLatin1(MimeType);
    if (!mime || !mime->hasFormat(type)) return std::nullopt;
    const QByteArray bytes = mime->data(type);
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint8 version = 0;
    SwatchValues values;
    in >> version >> values.color >> values.offset >> values.name;
    // Data from another program may be cut short or of another layout.
    if (in.status() != QDataStream::Ok || version != FormatVersion || !in.atEnd()) return std::nullopt;
    return values;
}

}  // namespace SwatchMime
