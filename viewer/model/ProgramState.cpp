#include "ProgramState.h"

#include "ColorSets.h"
#include "ModelState.h"

namespace mdlRKVUtilities {

void ResetProgramState()
{
    LastModelPath.clear();
    LastPalettePath.clear();
    LastSchemePath.clear();
    LastColorPath.clear();
    PromptSaveOnChanges = true;
    PaletteModified = false;
    SchemeModified = false;
    CurrentZoom = 100;
    EditColor = 0;
    EditCancelled = false;
    PrintAllPages = false;
    Model = ModelState{};
    ClearColorSets();
}

}  // namespace mdlRKVUtilities
