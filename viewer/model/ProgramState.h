#pragma once

#include <QString>

namespace mdlRKVUtilities {

// Program-wide state of the viewer that is not a colour set or the model.
// The four folders end in a separator; the settings store fills them at
// start-up and writes them back at exit, and a successful open or save
// replaces them with the folder it used.
inline QString LastModelPath;    // initial folder of the model chooser
inline QString LastPalettePath;  // initial folder of the palette choosers
inline QString LastSchemePath;   // initial folder of the scheme choosers
inline QString LastColorPath;    // initial folder of the colour file choosers

// Ask before dropping a modified palette or scheme.
inline bool PromptSaveOnChanges = true;
// Set by editing the palette or the scheme, cleared by a save that happened.
inline bool PaletteModified = false;
inline bool SchemeModified = false;

// Zoom percent applied to every page loaded.
inline qint32 CurrentZoom = 100;

// The colour handed to the colour editor before it loads, and whether the
// user closed it with Cancel (its caller clears the flag before opening it).
inline qint32 EditColor = 0;
inline bool EditCancelled = false;

// The print dialog prints every page of the model.
inline bool PrintAllPages = false;

// Every piece of program-wide state back to its value at program start:
// the values above, the open model (ModelState.h) and the palette and scheme
// (ColorSets.h). Test fixtures call it so that no test sees what an earlier
// one left; the settings store and the stored recent models are files and
// stay as they are.
void ResetProgramState();

}  // namespace mdlRKVUtilities
