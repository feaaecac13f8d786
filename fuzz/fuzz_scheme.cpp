// The scheme reader over any bytes.
#include "FuzzSupport.h"
#include "model/core/ColorSetFormats.h"
#include "model/core/ColorSets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    mdlRKVUtilities::SchemeNames[0] = QStringLiteral("paper");
    mdlRKVUtilities::ReadSchemeFile(fuzz::WriteInput(data, size), mdlRKVUtilities::SchemeColors,
                                    mdlRKVUtilities::SchemeNames);
    fuzz::Require(mdlRKVUtilities::SchemeNames[0] == QLatin1String("paper"), "the paper entry is never read");
    return 0;
}
