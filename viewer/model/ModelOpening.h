#pragma once

#include <QString>
#include <functional>

class RKV3CanvasCtl;

namespace mdlRKVUtilities {

// Opens a model. With an empty path the user chooses the manifest first ("Open
// Model", *.RKV3, starting in LastModelPath, over the canvas's window); the
// chosen path is written back into path. Returns false when the user cancels
// or no file exists at the path (no message). The manifest is read into a
// scratch model; any fault in it, or a failing canvas call while the scheme
// is pushed, shows "Model load failed due to invalid RKV3 manifest file." and
// returns false, leaving the previous model, scheme and folders exactly as
// they were. Otherwise the model's scheme file is loaded (the default gray
// scheme when it names none or none is there), pushed into the canvas, the
// model becomes the open one with page 1 current, page 1 is handed to
// LoadPage (whatever it returns), LastModelPath becomes the manifest's
// folder, and the result is true. The palette is not touched. When given,
// opened runs as soon as the model has become the open one, before page 1
// loads: page loading lets pending events run, and the caller may need to
// settle its own state (its undo history, its flags) before any of them can.
bool OpenModel(RKV3CanvasCtl& canvas, QString& path, const std::function<void()>& opened = {});

// The part of OpenModel that needs no person and shows no page: opens the
// manifest at path, loads and pushes its scheme and makes it the open model
// with page 1 current, exactly as OpenModel does, but loads no page and
// leaves LastModelPath alone. False, with no message, when no file exists at
// path; false with the manifest message when the model cannot be opened.
// Command-line tools open models with it and then colour pages as they
// choose.
bool OpenModelAt(RKV3CanvasCtl& canvas, const QString& path);

// Shows a page image: loads it into the canvas, renders it and writes
// CurrentZoom to the canvas's Zoom, under the busy pointer. Returns false at
// once (no message) when no file exists at path. When the canvas has no page
// to render, shows "Page load failed due to invalid RKO file structure." and
// returns false. An image the canvas could not read (it says "Error Loading
// Bytemaps") also returns false, after the render and zoom of the page the
// canvas still holds. CurrentPage is not changed.
bool LoadPage(RKV3CanvasCtl& canvas, const QString& path);

}  // namespace mdlRKVUtilities
