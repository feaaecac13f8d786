#include "platform/files/ReplacementFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {

void closeFd(int& fd)
{
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// A name no one can guess ahead: 64 random bits from the system's source.
QByteArray privateFolderName()
{
    return ".rkv-" + QByteArray::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, '0');
}

// Removes whatever a writer left in the private folder (a lock file of
// QSettings', say), then the folder itself.
void removePrivateFolder(int folderFd, int privateFd, const QByteArray& name)
{
    const int listFd = ::dup(privateFd);
    if (listFd >= 0) {
        if (DIR* entries = ::fdopendir(listFd)) {
            while (const dirent* entry = ::readdir(entries)) {
                const QByteArray child(entry->d_name);
                if (child != "." && child != "..") ::unlinkat(privateFd, child.constData(), 0);
            }
            ::closedir(entries);
        } else {
            ::close(listFd);
        }
    }
    ::unlinkat(folderFd, name.constData(), AT_REMOVEDIR);
}

}  // namespace

ReplacementFile::ReplacementFile(const QString& target) : target_(target) {}

ReplacementFile::~ReplacementFile() { discard(); }

bool ReplacementFile::open()
{
    discard();
    failed_ = false;
    if (target_.isEmpty()) return false;
    const QFileInfo info(target_);
    fileName_ = QFile::encodeName(info.fileName());
    if (fileName_.isEmpty() || fileName_ == "." || fileName_ == "..") return false;
    folderFd_ = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd_ < 0) return false;

    // What stands at the target's name now, the name itself (never what a
    // link there points to).
    struct stat old {};
    keptMode_ = -1;
    bool replaceable = true;
    if (::fstatat(folderFd_, fileName_.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISDIR(old.st_mode)) {
            replaceable = false;
        } else if (S_ISREG(old.st_mode)) {
            replaceable = ::faccessat(folderFd_, fileName_.constData(), W_OK, AT_EACCESS) == 0;
            keptMode_ = int(old.st_mode & 0777);
        }
    } else {
        replaceable = errno == ENOENT;
    }
    if (!replaceable) {
        closeAll();
        return false;
    }

    for (int attempt = 0; attempt < 16 && privateFd_ < 0; ++attempt) {
        const QByteArray name = privateFolderName();
        if (::mkdirat(folderFd_, name.constData(), 0700) != 0) {
            if (errno == EEXIST) continue;
            break;
        }
        // The folder opened must be the one just made: ours, 0700 (in a
        // folder anyone may write to, another could have renamed it away
        // and put one of theirs in its place).
        privateFd_ = ::openat(folderFd_, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        struct stat made {};
        if (privateFd_ >= 0
            && (::fstat(privateFd_, &made) != 0 || made.st_uid != ::geteuid() || (made.st_mode & 0777) != 0700))
            closeFd(privateFd_);
        if (privateFd_ < 0) break;
        folderName_ = name;
    }
    if (privateFd_ < 0) {
        closeAll();
        return false;
    }

    // A replaced file's content may be private: the new file is readable by
    // the owner alone until it takes the old file's permissions.
    fd_ = ::openat(privateFd_, fileName_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                   keptMode_ >= 0 ? 0600 : 0666);
    if (fd_ < 0) {
        discard();
        return false;
    }
    // The name handed out goes through the open folder itself where the
    // system offers that, so it leads to our folder even should someone
    // rename the folder (in a folder anyone may write to) before the
    // writer opens it.
    const QString openFolder = QStringLiteral("/proc/self/fd/%1").arg(privateFd_);
    writingPath_ = (::access(QFile::encodeName(openFolder).constData(), X_OK) == 0
                        ? openFolder
                        : info.absolutePath() + QLatin1Char('/') + QFile::decodeName(folderName_))
                   + QLatin1Char('/') + info.fileName();
    return true;
}

bool ReplacementFile::write(const QByteArray& bytes)
{
    if (fd_ < 0 || failed_) return false;
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, size_t(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            failed_ = true;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

bool ReplacementFile::commit()
{
    if (fd_ < 0 || failed_) {
        discard();
        return false;
    }
    // A writer that opened the file by name may have replaced it (QSettings
    // writes its own file and renames it), so the file is taken by its name,
    // which only we can change inside the private folder.
    closeFd(fd_);
    const int file = ::openat(privateFd_, fileName_.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    struct stat made {};
    bool ready = file >= 0 && ::fstat(file, &made) == 0 && S_ISREG(made.st_mode) && ::fsync(file) == 0
                 && (keptMode_ < 0 || ::fchmod(file, mode_t(keptMode_)) == 0);
    if (file >= 0) ::close(file);
    ready = ready && ::renameat(privateFd_, fileName_.constData(), folderFd_, fileName_.constData()) == 0;
    if (ready) ::fsync(folderFd_);
    discard();
    return ready;
}

void ReplacementFile::discard()
{
    closeFd(fd_);
    if (privateFd_ >= 0) removePrivateFolder(folderFd_, privateFd_, folderName_);
    closeAll();
}

void ReplacementFile::closeAll()
{
    closeFd(fd_);
    closeFd(privateFd_);
    closeFd(folderFd_);
    folderName_.clear();
    writingPath_.clear();
}

bool replaceFile(const QString& target, const QByteArray& bytes)
{
    ReplacementFile file(target);
    return file.open() && file.write(bytes) && file.commit();
}

}  // namespace Platform
