#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace mdlRKVUtilities {

// One page of a model: its image file, relative to the model folder (it may
// name a subfolder), and its title.
struct PageEntry {
    QString File;
    QString Title;

    friend bool operator==(const PageEntry&, const PageEntry&) = default;
};

// The open model, as its manifest (.RKV3) describes it.
struct ModelState {
    qint32 Resolution = 0;    // page-image resolution in pixels per inch
    QString SchemeFile;       // the model's scheme file, relative to ModelFolder; may be empty
    qint32 PageCount = 0;
    QList<PageEntry> Pages;   // index 0 = page 1
    qint32 RegionCount = 0;
    QStringList RegionNames;  // index r - 1 = region r; names beyond 255 are kept, never shown
    QString ModelFolder;      // folder of the manifest, ending in a separator
    QString ModelFileName;    // file name of the manifest
    qint32 CurrentPage = 0;   // the page shown, 1 to PageCount
};

// The model the viewer has open (program-wide).
inline ModelState Model;

// The no-model state: no resolution, pages or regions. The folder, file
// name, scheme file and current page keep their last values; nothing reads
// them while no model is open.
void EmptyModelState();

// True while a model is open.
bool ModelIsOpen();

// Full path of page p (1-based) of the open model, as the file system should
// see it (see ResolveRelativePath); empty for a page the model does not have.
QString PagePath(int page);

// Full path of a model's scheme file (see ResolveRelativePath); empty when it
// names none.
QString SchemePath(const ModelState& model = Model);

}  // namespace mdlRKVUtilities
