#include "modelgen/core/CottageModel.h"

#include "modelgen/core/CottagePages.h"
#include "modelgen/core/CottageRegions.h"
#include "modelgen/core/ModelWriter.h"

namespace CottageModel {

GeneratedModel make(int resolution)
{
    GeneratedModel model;
    model.name = QStringLiteral("Cottage");
    model.resolution = resolution;
    model.schemeFileName = QStringLiteral("Cottage.RKS3");
    model.scheme = CottageScheme();
    model.regionNames = CottageRegionNames();
    for (int page = 1; page <= CottagePages::PageCount; ++page)
        model.pages.push_back({QStringLiteral("Cottage_%1.png").arg(page), CottagePages::title(page),
                               CottagePages::draw(page, resolution)});
    return model;
}

bool write(const QString& folder, int resolution, QString* error)
{
    return ModelWriter::write(make(resolution), folder, error);
}

} // namespace CottageModel
