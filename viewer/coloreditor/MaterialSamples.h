#pragma once

#include <QImage>
#include <QString>

// The grey material pictures the colour editor colours to preview a colour.
// Every sample is 136 x 136 pixels of QImage::Format_RGB32 with red = green =
// blue in each pixel; the grey level plays the part of a page's shading level.
// The pictures are drawn by code, deterministically, the first time they are
// asked for.
struct MaterialSample {
    QString Tag;    // the material's name, shown in the preview frame's caption
    QImage Picture;
};

namespace MaterialSamples {

constexpr int SampleSize = 136;

// Number of samples: "Paint", "Glass", "Rubber" and "Metallic".
int count();

// Sample index 0 to count() - 1. An index outside that range gives an empty
// sample (no tag, null picture).
const MaterialSample& sample(int index);

// The drawing routines behind sample(): each returns a fresh picture.
// Embossed hexagonal tiles with dark grooves and fine grain (32 to 247, mostly
// 128 to 191).
QImage drawPaint();
// A bright soft-edged rectangle glowing out of dark borders (39 to 255).
QImage drawGlass();
// A low-contrast top-to-bottom gradient with a faint lighter band and fine
// grain (95 to 192).
QImage drawRubber();
// A strong gradient, black at top and bottom, an almost white band across the
// middle (0 to 255).
QImage drawMetallic();

}  // namespace MaterialSamples
