#pragma once

#include <QByteArray>
#include <QString>

namespace Platform {

// The one way the program writes a file (palettes, schemes, colour files,
// pictures, PDFs, settings, the exporter's outputs). Output folders may be
// shared with others, so nothing there is trusted:
// - The new content goes to a file created exclusively (never an existing
//   file opened) inside a private folder (mode 0700, a random name) made in
//   the target's folder. Nobody else can plant a link or a file in it, so
//   even a writer that insists on opening its file by name (Qt's PDF engine,
//   QSettings) writes only where we say.
// - Only a complete write replaces the target, by renaming the new file
//   over the target's name: a failed or interrupted write keeps the old file
//   byte for byte. A symbolic link at the target is itself replaced, never
//   followed, so neither a link to another file nor a dangling one can make
//   the program write anywhere but the target's own folder.
// - A regular file replaced keeps its permissions; a new file (or one that
//   replaces a link) gets the usual ones (0666 less the umask). A regular
//   file the user may not write is left alone, as is a folder.
class ReplacementFile {
public:
    explicit ReplacementFile(const QString& target);
    ~ReplacementFile();  // an uncommitted file is discarded
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Makes the private folder and the new, empty file; false when the
    // target's folder cannot take them or the target may not be replaced.
    bool open();
    // The new file's name, for a writer that opens its file by name; valid
    // until the file is committed or discarded.
    QString writingPath() const { return writingPath_; }
    // Appends the bytes to the new file; false when not all were written (a
    // full disk, a size limit), and the file can then no longer be committed.
    bool write(const QByteArray& bytes);
    // Makes the new file durable, gives it its permissions and renames it
    // over the target; false (the target as it was) when anything failed.
    bool commit();
    // Drops the new file and its private folder; the target stays as it was.
    void discard();

private:
    void closeAll();

    QString target_;
    QString writingPath_;
    QByteArray folderName_;   // the private folder, in the target's folder
    QByteArray fileName_;     // the target's name, also the new file's
    int folderFd_ = -1;       // the target's folder
    int privateFd_ = -1;      // the private folder
    int fd_ = -1;             // the new file
    int keptMode_ = -1;       // the replaced file's permissions, or -1
    bool failed_ = false;
};

// Replaces target with bytes through a ReplacementFile; false (the old file
// kept) when the write failed.
bool replaceFile(const QString& target, const QByteArray& bytes);

}  // namespace Platform
