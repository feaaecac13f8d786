#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace fuzz {

QString WriteInput(const uint8_t* data, size_t size)
{
    static const QString path = [] {
        const QString folder = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        return QStringLiteral("%1/rkv-fuzz-%2").arg(folder).arg(::getpid());
    }();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "cannot write the fuzz input to %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

void Require(bool condition, const char* what)
{
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace fuzz
