#pragma once

#include <QString>

class QImage;

// Writes a picture as a 24-bit Windows bitmap that any image program reads,
// carrying its resolution (pixels per inch, stored as pixels per metre) so
// that it prints at its true size (a resolution of 0 or below keeps the
// picture's own).
// The file is written by the rules of Platform::ReplacementFile: renamed
// over the target only when complete, so a failed write keeps any older
// file; a link at the target is replaced, never followed.
// Returns false when the picture is empty or the file cannot be written.
bool SaveBitmapFile(const QImage& picture, const QString& path, int pixelsPerInch);

// The same picture, written the same way, as a 24-bit PNG.
bool SavePngFile(const QImage& picture, const QString& path, int pixelsPerInch);
