#include "GeneratedModel.h"

namespace {

bool isSingleByteLine(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() > 0xFF || c == '\r' || c == '\n') return false;
    return true;
}

void addLine(QByteArray& text, const QString& line)
{
    text += line.toLatin1();
    text += "\r\n";
}

} // namespace

QString GeneratedModel::problem() const
{
    if (name.isEmpty() || name.contains('/') || name.contains('\\'))
        return QStringLiteral("the model name must be a plain file name");
    if (resolution <= 0) return QStringLiteral("the resolution must be positive");
    if (!isSingleByteLine(schemeFileName)) return QStringLiteral("bad scheme file name");
    if (pages.empty()) return QStringLiteral("a model needs at least one page");
    if (regionNames.size() > ColorScheme::LastRegion)
        return QStringLiteral("a model names at most 255 regions");
    for (const GeneratedPage& page : pages) {
        // The manifest splits a page line at its first semicolon.
        if (page.fileName.isEmpty() || page.fileName.contains(';') || !isSingleByteLine(page.fileName))
            return QStringLiteral("bad page file name \"%1\"").arg(page.fileName);
        if (!isSingleByteLine(page.title))
            return QStringLiteral("bad page title \"%1\"").arg(page.title);
        if (page.image.isNull()) return QStringLiteral("page %1 has no image").arg(page.fileName);
    }
    for (const QString& region : regionNames)
        if (!isSingleByteLine(region)) return QStringLiteral("bad region name \"%1\"").arg(region);
    return scheme.problem();
}

QByteArray GeneratedModel::manifestText() const
{
    QByteArray text;
    addLine(text, QString::number(resolution));
    addLine(text, schemeFileName);
    addLine(text, QString::number(pages.size()));
    for (const GeneratedPage& page : pages) addLine(text, page.fileName + ';' + page.title);
    addLine(text, QString::number(regionNames.size()));
    for (const QString& region : regionNames) addLine(text, region);
    return text;
}
