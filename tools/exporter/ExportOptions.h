#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What a run of rkv3export is asked to do.
struct ExportOptions {
    enum class Format { Bmp, Png, Pdf };

    QString model;              // the manifest (.RKV3)
    QString output;             // a folder for bmp and png, a file for pdf
    Format format = Format::Png;
    QString scheme;             // a scheme (.RKS3) to use instead of the model's own; may be empty
    std::optional<QList<int>> pages;  // nothing: every page of the model
    int paperCode = 1;          // 1 US Letter, 9 ISO A4
    int tileMode = 0;           // 0 tile the sheet, 1 one copy centred, 2 split across sheets
    float hOffset = 0.25f;      // inches
    float vOffset = 0.25f;
    float overlap = 10.0f / 25.4f;  // inches shared by the parts of a split page
    bool fit = false;           // the centred copy scaled down to the sheet
    bool scaleBar = false;      // the 50 mm and 2 in bars in every footer
    bool quiet = false;
    int thumbnailSize = 0;      // above 0: only page 1 as a PNG thumbnail at most this many pixels on its longer side
};

// The outcome of reading the command line: options to run with, or a text
// to print and the status to leave with (help and version on standard
// output with status 0; a usage error, its message followed by the usage, on
// standard error with status 1).
struct ParsedCommandLine {
    std::optional<ExportOptions> options;
    QString text;
    bool toStandardError = false;
    int status = 0;
};

ParsedCommandLine ParseCommandLine(const QStringList& arguments);

// The usage text printed after a usage error.
QString UsageText();
