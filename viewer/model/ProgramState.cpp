#include "model/ProgramState.h"

#include "model/core/ColorSets.h"
#include "model/core/ModelState.h"

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
