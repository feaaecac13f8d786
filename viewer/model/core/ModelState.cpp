#include "model/core/ModelState.h"

#include "model/core/PathNames.h"

namespace mdlRKVUtilities {

void EmptyModelState()
{
    Model.Resolution = 0;
    Model.PageCount = 0;
    Model.Pages.clear();
    Model.RegionCount = 0;
    Model.RegionNames.clear();
}

bool ModelIsOpen() { return Model.PageCount > 0 && !Model.Pages.isEmpty(); }

QString PagePath(int page)
{
    if (page < 1 || page > Model.Pages.size()) return QString();
    return ResolveRelativePath(Model.ModelFolder, Model.Pages[page - 1].File);
}

QString SchemePath(const ModelState& model)
{
    if (model.SchemeFile.isEmpty()) return QString();
    return ResolveRelativePath(model.ModelFolder, model.SchemeFile);
}

}  // namespace mdlRKVUtilities
