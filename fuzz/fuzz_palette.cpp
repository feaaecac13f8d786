// The palette reader over any bytes.
#include "ColorSetFiles.h"
#include "ColorSets.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = (fuzz::AnswerMessageBoxes(), true);
    (void)ready;
    mdlRKVUtilities::LoadPalette(fuzz::WriteInput(data, size));
    fuzz::Require(mdlRKVUtilities::PaletteCount >= 0 && mdlRKVUtilities::PaletteCount <= 257,
                  "0 <= PaletteCount <= 257");
    return 0;
}
