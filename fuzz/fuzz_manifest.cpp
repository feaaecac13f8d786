// The manifest reader over any bytes.
#include "FuzzSupport.h"
#include "model/core/Manifest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    mdlRKVUtilities::ModelState model;
    const bool read = mdlRKVUtilities::ReadManifest(fuzz::WriteInput(data, size), model);
    fuzz::Require(model.Pages.size() <= 32767 && model.RegionNames.size() <= 32767, "lists within their caps");
    if (read) {
        fuzz::Require(model.PageCount >= 1 && model.Pages.size() == qsizetype(model.PageCount), "every announced page read");
        fuzz::Require(model.RegionNames.size() == qsizetype(model.RegionCount), "every announced region read");
    }
    return 0;
}
