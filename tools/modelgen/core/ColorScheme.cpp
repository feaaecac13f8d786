#include "modelgen/core/ColorScheme.h"

#include "model/core/ColorSetFormats.h"

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
    }
    return {};
}

bool ColorScheme::write(const QString& path) const
{
    namespace util = mdlRKVUtilities;
    std::array<util::ColorRecord, util::SchemeSize> colors{};
    std::array<QString, util::SchemeSize> names{};
    for (int r = FirstRegion; r <= LastRegion; ++r) {
        const SchemeColor& c = at(r);
        colors[std::size_t(r)] = {quint8(c.red), quint8(c.green), quint8(c.blue), qint16(c.offset)};
        names[std::size_t(r)] = c.name;
    }
    return util::WriteSchemeFile(path, colors, names);
}
