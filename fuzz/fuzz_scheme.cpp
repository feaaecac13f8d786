// The scheme reader over any bytes.
#include "ColorSetFiles.h"
#include "ColorSets.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = (fuzz::AnswerMessageBoxes(), true);
    (void)ready;
    mdlRKVUtilities::SchemeNames[0] = QStringLiteral("paper");
    mdlRKVUtilities::LoadScheme(fuzz::WriteInput(data, size));
    fuzz::Require(mdlRKVUtilities::SchemeNames[0] == QLatin1String("paper"), "the paper entry is never read");
    return 0;
}
