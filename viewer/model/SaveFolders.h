#pragma once

#include <QString>

namespace mdlRKVUtilities {

// The folder a save chooser starts in, for one kind of file ("schemes",
// "palettes" or "colors"): lastFolder, the folder last used for that kind,
// when the user may write there; else the kind's folder in our folder of the
// user's documents, made when first needed. The samples of an installed
// program lie in folders nobody but the administrator may write: the load
// choosers still start there (lastFolder is left alone), and a successful
// save makes its own folder the one last used. Ends in a separator.
QString SaveStartFolder(const QString& lastFolder, const QString& kind);

}  // namespace mdlRKVUtilities
