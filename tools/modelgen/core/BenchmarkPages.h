#pragma once

#include "modelgen/core/GeneratedModel.h"

#include <QImage>
#include <QString>

#include <cstdint>

// Test and benchmark pages of any size: sheets filled with randomly sized
// paper-model pieces (wall strips with windows and doors, boxes, columns,
// roofs, fences) in the Cottage's regions. The layout is scaled so that a
// page's width always holds 1275 drawing units; the same width, height and
// seed always give the same pixels.
QImage MakeBenchmarkPage(int width, int height, std::uint32_t seed);

// A model of pageCount such pages (seeds seed, seed + 1, ...), with the
// Cottage's region names and colour scheme. Files are <name>.RKV3,
// <name>.RKS3 and <name>_<n>.png.
GeneratedModel MakeBenchmarkModel(const QString& name, int pageCount, int width, int height,
                                  std::uint32_t seed, int resolution = 150);

// Makes such a model and writes it into folder.
bool WriteBenchmarkModel(const QString& folder, const QString& name, int pageCount, int width, int height,
                         std::uint32_t seed, int resolution = 150, QString* error = nullptr);
