#include "modelgen/core/GeneratedModel.h"

namespace {

bool isOneLine(const QString& text)
{
    return !text.contains('\r') && !text.contains('\n');
}

} // namespace

QString GeneratedModel::problem() const
{
    if (name.isEmpty() || name.contains('/') || name.contains('\\'))
        return QStringLiteral("the model name must be a plain file name");
    if (resolution <= 0) return QStringLiteral("the resolution must be positive");
    if (!isOneLine(schemeFileName)) return QStringLiteral("bad scheme file name");
    if (pages.empty()) return QStringLiteral("a model needs at least one page");
    if (regionNames.size() > ColorScheme::LastRegion)
        return QStringLiteral("a model names at most 255 regions");
    for (const GeneratedPage& page : pages) {
        // The manifest splits a page line at its first semicolon.
        if (page.fileName.isEmpty() || page.fileName.contains(';') || !isOneLine(page.fileName))
            return QStringLiteral("bad page file name \"%1\"").arg(page.fileName);
        if (!isOneLine(page.title)) return QStringLiteral("bad page title \"%1\"").arg(page.title);
        if (page.image.isNull()) return QStringLiteral("page %1 has no image").arg(page.fileName);
    }
    for (const QString& region : regionNames)
        if (!isOneLine(region)) return QStringLiteral("bad region name \"%1\"").arg(region);
    return scheme.problem();
}

mdlRKVUtilities::ModelState GeneratedModel::manifest() const
{
    mdlRKVUtilities::ModelState state;
    state.Resolution = resolution;
    state.SchemeFile = schemeFileName;
    for (const GeneratedPage& page : pages) state.Pages.append({page.fileName, page.title});
    state.PageCount = qint32(state.Pages.size());
    state.RegionNames = regionNames;
    state.RegionCount = qint32(regionNames.size());
    return state;
}
