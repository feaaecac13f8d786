#pragma once

#include <QString>

namespace mdlRKVUtilities {

// Path arithmetic of the viewer: a folder ends in a separator, and a full
// path is a folder followed by a relative name. Both "\" and "/" count as
// separators.

// The text after the path's last separator (the whole path when it has none).
QString FileNameOf(const QString& path);

// The text up to and including the path's last separator (empty when it has
// none).
QString FolderOf(const QString& path);

// True when a regular file exists at path: a folder, device or FIFO counts
// as missing.
bool FileExists(const QString& path);

// The path of a name relative to a folder, as the file system should see it.
// "\" in the name becomes "/". When the result does not exist as written,
// each part of the name is looked up in its folder regardless of case (models
// are often made on file systems that ignore case); the exact spelling wins,
// else the first match in name order. "." and ".." are taken out of the name
// as text first ("A/../B" is looked up as "B"), and each folder is listed at
// most once per lookup, so a long or looping name in a folder of many files
// resolves at once. When nothing matches, the name is returned as written.
QString ResolveRelativePath(const QString& folder, const QString& relativeName);

}  // namespace mdlRKVUtilities
