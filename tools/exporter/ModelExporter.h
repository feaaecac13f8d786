#pragma once

#include "exporter/ExportOptions.h"
#include "view/RKV3CanvasCtl.h"

#include <QString>
#include <QStringList>
#include <optional>

class ConsoleReport;

// One run of rkv3export: opens the model with the viewer's own code, colours
// the requested pages on a canvas of its own and writes them as pictures or
// as one PDF through the built-in PDF printer. Returns an ExitStatus.
class ModelExporter {
public:
    ModelExporter(const ExportOptions& options, ConsoleReport& report);
    int run();

private:
    // Opens the model and pushes its scheme, then the --scheme file, into
    // the canvas. An ExitStatus other than ExitWritten when it cannot.
    int openModel();
    // Loads and renders a page through the viewer's LoadPage; a page the
    // canvas or LoadPage complained about is named and counts as failed.
    bool loadPage(int page);
    bool writePictures(const QList<int>& pages);
    // Page 1, coloured and scaled down to fit the thumbnail size, as a PNG;
    // nothing is written when the page cannot be loaded.
    bool writeThumbnail();
    // Prints the pages as the print dialog's Print All Pages does, to the
    // PDF printer alone.
    bool writePdf(const QList<int>& pages);
    // Why no PDF can be written at target (the system's reason), or nothing
    // when one can.
    std::optional<QString> unwritablePdf(const QString& target) const;

    const ExportOptions options_;
    ConsoleReport& report_;
    RKV3CanvasCtl canvas_;
    bool refusedChoice_ = false;  // the options cannot be printed on this sheet
};

// The picture file names of a model's pages, in page order: each page
// image's base name with the extension (p01.bmp becomes p01.png). A name
// that an earlier page already has (ignoring case: p01.png and images/P01.bmp
// both give p01) gets the page number, so no page overwrites another.
QStringList PictureNames(const QStringList& pageFiles, const QString& extension);
