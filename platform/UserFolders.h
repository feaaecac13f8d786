#pragma once

#include <QString>

namespace Platform {

// Our own folder in the user's documents folder ("<Documents>/RKVViewer3",
// the documents folder as the desktop names it, else ~/Documents). Files the
// user saves go there when the folder they would start in may not be
// written, as the samples of an installed program may not: in the
// documents folder the user finds them again, backs them up and passes them
// on. Ends without a separator; not made here.
QString userDocumentsFolder();

// True when the user may create files in folder: it is a folder, and
// access(2) grants writing and searching it. An ordinary user meets the
// permission bits and ACLs; every user, root included, meets a read-only
// file system and an immutable folder.
bool isWritableFolder(const QString& folder);

}  // namespace Platform
