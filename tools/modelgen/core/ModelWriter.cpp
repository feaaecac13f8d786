#include "modelgen/core/ModelWriter.h"

#include "model/core/Manifest.h"
#include "platform/files/ReplacementFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

bool fail(QString* error, const QString& message)
{
    if (error) *error = message;
    return false;
}

} // namespace

bool ModelWriter::writePage(const QImage& page, int resolution, const QString& path, QString* error)
{
    QImage tagged = page.convertToFormat(QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(resolution / 0.0254));
    tagged.setDotsPerMeterX(dotsPerMeter);
    tagged.setDotsPerMeterY(dotsPerMeter);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!tagged.save(&buffer, "PNG") || !Platform::replaceFile(path, bytes))
        return fail(error, QStringLiteral("cannot write %1").arg(path));
    return true;
}

bool ModelWriter::write(const GeneratedModel& model, const QString& folder, QString* error)
{
    const QString problem = model.problem();
    if (!problem.isEmpty()) return fail(error, problem);
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return fail(error, QStringLiteral("cannot create folder %1").arg(folder));
    for (const GeneratedPage& page : model.pages) {
        // A page name may lie in a subfolder written with backslashes.
        const QString path = dir.filePath(QString(page.fileName).replace('\\', '/'));
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return fail(error, QStringLiteral("cannot create folder for %1").arg(path));
        if (!writePage(page.image, model.resolution, path, error)) return false;
    }
    const QString schemePath = dir.filePath(model.schemeFileName);
    if (!model.schemeFileName.isEmpty() && !model.scheme.write(schemePath))
        return fail(error, QStringLiteral("cannot write %1").arg(schemePath));
    const QString manifestPath = dir.filePath(model.manifestFileName());
    if (!mdlRKVUtilities::SaveManifest(manifestPath, model.manifest()))
        return fail(error, QStringLiteral("cannot write %1").arg(manifestPath));
    return true;
}
