// The palette reader over any bytes.
#include "FuzzSupport.h"
#include "model/core/ColorSetFormats.h"
#include "model/core/ColorSets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    mdlRKVUtilities::ReadPaletteFile(fuzz::WriteInput(data, size));
    fuzz::Require(mdlRKVUtilities::PaletteCount >= 0 && mdlRKVUtilities::PaletteCount <= 257,
                  "0 <= PaletteCount <= 257");
    return 0;
}
