#pragma once

#include "modelgen/core/GeneratedModel.h"

#include <QString>

// Writes a generated model into a folder: the page images as PNG (lossless,
// tagged with the model's resolution), the scheme file and, last, the
// manifest, so a manifest on disk always has its pages beside it. Every file
// is written to a temporary file first and then renamed over the target.
class ModelWriter {
public:
    // Returns false and sets error (when given) if the model is not
    // writable or a file cannot be written.
    static bool write(const GeneratedModel& model, const QString& folder, QString* error = nullptr);

    // Saves one page image as PNG at the given resolution.
    static bool writePage(const QImage& page, int resolution, const QString& path,
                          QString* error = nullptr);
};
