#pragma once

#include "model/core/ModelState.h"
#include "modelgen/core/ColorScheme.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

struct GeneratedPage {
    QString fileName; // relative to the model folder
    QString title;
    QImage image;     // page pixels, Format_RGB32
};

// A complete model in memory: what goes into the manifest, the scheme file
// and the page images.
struct GeneratedModel {
    QString name;             // the manifest is <name>.RKV3
    int resolution = 150;     // page pixels per inch
    QString schemeFileName;   // may be empty: the model then has no scheme file
    ColorScheme scheme;
    std::vector<GeneratedPage> pages;
    QStringList regionNames;  // region r is regionNames[r - 1]

    QString manifestFileName() const { return name + QStringLiteral(".RKV3"); }

    // What the manifest holds: resolution, scheme file name, pages and
    // region names, written by the viewer's manifest writer.
    mdlRKVUtilities::ModelState manifest() const;

    // Empty when the model can be written so that it reads back as it is;
    // otherwise what is wrong.
    QString problem() const;
};
