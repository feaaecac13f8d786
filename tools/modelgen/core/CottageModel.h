#pragma once

#include "modelgen/core/GeneratedModel.h"

#include <QString>

// The bundled demo model: a small cottage with walls, roof, chimney, porch,
// fences and a garden base plate on four Letter sheets, with its own colour
// scheme.
namespace CottageModel {

constexpr int DefaultResolution = 150;

// The whole model in memory; pages at `resolution` pixels per inch.
GeneratedModel make(int resolution = DefaultResolution);

// Writes Cottage.RKV3, Cottage.RKS3 and the page images into folder.
bool write(const QString& folder, int resolution = DefaultResolution, QString* error = nullptr);

} // namespace CottageModel
