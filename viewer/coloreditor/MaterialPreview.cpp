#include "coloreditor/MaterialPreview.h"

#include "colorbytes/ColorBytes.h"
#include "coloreditor/MaterialSamples.h"

#include <QCoreApplication>

#include <algorithm>

void ColorGreyPixels(const std::uint32_t* source, std::uint32_t* target, int count, const RKV3Canvas::LevelTable& levels)
{
    for (int i = 0; i < count; ++i) {
        const std::uint32_t pixel = source[i];
        const auto& out = levels[(pixel >> 8) & 0xFFu];
        target[i] = (pixel & 0xFF000000u) | (std::uint32_t(out[0]) << 16) | (std::uint32_t(out[1]) << 8) |
                    std::uint32_t(out[2]);
    }
}

void MaterialPreview::Load()
{
    MaterialCount = MaterialSamples::count();
    MaterialIndex = 0;
}

void MaterialPreview::BuildPreviewTable(std::int32_t colorValue, std::int16_t offset)
{
    RKV3Canvas::BuildLevelTable(GetRedByte(colorValue), GetGreenByte(colorValue), GetBlueByte(colorValue), offset,
                    PreviewLevels);
}

QImage MaterialPreview::RenderMaterialPreview(QSize previewSize) const
{
    QImage preview(previewSize, QImage::Format_RGB32);
    preview.fill(Qt::black);
    const QImage& source = MaterialSamples::sample(MaterialIndex).Picture;
    if (source.isNull()) return preview;
    const QImage pixels = source.convertToFormat(QImage::Format_RGB32);
    const int width = std::min(pixels.width(), preview.width());
    const int height = std::min(pixels.height(), preview.height());
    for (int y = 0; y < height; ++y)
        ColorGreyPixels(reinterpret_cast<const std::uint32_t*>(pixels.constScanLine(y)),
                        reinterpret_cast<std::uint32_t*>(preview.scanLine(y)), width, PreviewLevels);
    return preview;
}

void MaterialPreview::PreviousMaterial()
{
    if (MaterialCount <= 0) return;
    MaterialIndex = MaterialIndex <= 0 ? MaterialCount - 1 : MaterialIndex - 1;
}

void MaterialPreview::NextMaterial()
{
    if (MaterialCount <= 0) return;
    MaterialIndex = MaterialIndex >= MaterialCount - 1 ? 0 : MaterialIndex + 1;
}

QString MaterialPreview::MaterialName() const
{
    return MaterialSamples::sample(MaterialIndex).Tag;
}

QString MaterialPreview::FrameCaption() const
{
    // The tag is shown in the user's language; MaterialName() stays the tag.
    const QByteArray tag = MaterialName().toUtf8();
    return QCoreApplication::translate("MaterialPreview", "Render Preview (%1)")
        .arg(QCoreApplication::translate("MaterialPreview", tag.constData()));
}
