#include "ColorScheme.h"

namespace {
bool isByte(int v)
{
    return v >= 0 && v <= 255;
}
} // namespace

void ColorScheme::set(int region, const SchemeColor& color)
{
    if (region < FirstRegion || region > LastRegion) return;
    colors_[std::size_t(region - FirstRegion)] = color;
}

const SchemeColor& ColorScheme::at(int region) const
{
    static const SchemeColor outside;
    if (region < FirstRegion || region > LastRegion) return outside;
    return colors_[std::size_t(region - FirstRegion)];
}

QString ColorScheme::problem() const
{
    for (int r = FirstRegion; r <= LastRegion; ++r) {
        const SchemeColor& c = at(r);
        if (!isByte(c.red) || !isByte(c.green) || !isByte(c.blue))
            return QStringLiteral("region %1: colour component outside 0..255").arg(r);
        if (c.offset < -32768 || c.offset > 32767)
            return QStringLiteral("region %1: offset outside -32768..32767").arg(r);
        if (c.name.contains('\r') || c.name.contains('\n'))
            return QStringLiteral("region %1: colour name holds a line break").arg(r);
        for (QChar ch : c.name)
            if (ch.unicode() > 0xFF)
                return QStringLiteral("region %1: colour name is not single-byte text").arg(r);
    }
    return {};
}

QByteArray ColorScheme::fileText() const
{
    QByteArray text;
    for (int r = FirstRegion; r <= LastRegion; ++r) {
        const SchemeColor& c = at(r);
        text += QByteArray::number(c.red) + ',' + QByteArray::number(c.green) + ','
                + QByteArray::number(c.blue) + ',' + QByteArray::number(c.offset) + ','
                + c.name.toLatin1() + "\r\n";
    }
    return text;
}
