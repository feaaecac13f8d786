#pragma once

#include "render/RegionPalette.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>

// Colours one span of grey sample pixels through a level table: the green
// byte of each source pixel is its level; the output pixel takes the table's
// red, green and blue for that level and keeps the source's fourth byte.
// Pixels are 0xAARRGGBB words (QImage::Format_RGB32 / ARGB32).
void ColorGreyPixels(const std::uint32_t* source, std::uint32_t* target, int count, const RKV3Canvas::LevelTable& levels);

// The colour editor's material preview: which sample is shown, the table the
// colour is previewed with, and the colouring of the sample. No widgets: the
// dialog hands in the swatch colour and the slider's offset and shows the
// picture this returns.
class MaterialPreview {
public:
    // Index of the sample shown, 0 to MaterialCount - 1.
    int MaterialIndex = 0;
    // Number of sample pictures, counted by Load.
    int MaterialCount = 0;
    // Output channel values by shading level, built by the same rule that
    // builds a region's table in the canvas.
    RKV3Canvas::LevelTable PreviewLevels{};

    // Counts the samples and shows the first.
    void Load();
    // Back to the first sample (the dialog unloads).
    void Unload() { MaterialIndex = 0; }

    // Rebuilds PreviewLevels from a colour value (its bytes by the canvas's
    // byte rule) and a blend offset.
    void BuildPreviewTable(std::int32_t colorValue, std::int16_t offset);

    // Colours sample MaterialIndex through PreviewLevels into a picture of
    // previewSize. Only the part that the sample and the preview share is
    // coloured; anything outside it stays black.
    QImage RenderMaterialPreview(QSize previewSize) const;

    // Step to the previous or next sample, wrapping at either end.
    void PreviousMaterial();
    void NextMaterial();

    // Tag of sample MaterialIndex.
    QString MaterialName() const;
    // "Render Preview (" + tag + ")", the caption of the preview's frame.
    QString FrameCaption() const;
};
