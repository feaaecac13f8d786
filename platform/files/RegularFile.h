#pragma once

#include <QFile>
#include <QString>

namespace Platform {

// The one gate through which every reader of the program opens a file it
// was handed by name (pages, schemes, palettes, colour files, manifests,
// help texts). Names inside a downloaded model may lead anywhere, so only a
// regular file (a symbolic link to one included) counts as a file: a
// device, a FIFO, a socket or a folder counts as missing. Such a name can
// then neither block the program on open nor make it read without end.

// True when path names a regular file.
bool isRegularFile(const QString& path);

// Opens path read-only into file when it is a regular file; false, with
// file closed, otherwise. The check is made on the opened file itself, so a
// name swapped for a FIFO between a check and the open cannot block it.
// With followLink false, a symbolic link at path counts as missing too.
bool openRegularFile(QFile& file, const QString& path, bool followLink = true);

}  // namespace Platform
