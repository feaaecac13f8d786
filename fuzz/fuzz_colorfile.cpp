// The colour file reader over any bytes.
#include "FuzzSupport.h"
#include "model/core/ColorFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ColorFile::Contents contents = ColorFile::Read(fuzz::WriteInput(data, size));
    if (contents.colorValue)
        fuzz::Require(*contents.colorValue >= 0 && *contents.colorValue <= 0xFFFFFF, "a colour value of 24 bits");
    if (contents.offset)
        fuzz::Require(*contents.offset >= ColorFile::MinOffset && *contents.offset <= ColorFile::MaxOffset,
                      "an offset within the slider's range");
    fuzz::Require(!contents.offset || contents.colorValue, "parts present in order");
    return 0;
}
