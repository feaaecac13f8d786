#pragma once

#include "render/CanvasExport.h"

#include <functional>

// One small pool of threads for the whole process, sized to the machine: as
// many threads as the processor runs at once, the calling thread being one
// of them. Page-sized work (colouring, scaling, indexing) is split into
// parts that the pool's threads and the caller take in turn. On a one-core
// machine the pool has no threads and every part runs on the caller, so
// splitting never costs more than a few calls.

// The number of threads that work on a split job, the caller included.
RKV3CANVAS_EXPORT int ParallelWidth();

// Runs work(part) for every part in 0..parts-1 and returns when all are
// done. Parts run on any thread, in any order; the caller runs parts too. A
// job started from inside a part, or while another thread's job runs, runs
// all its parts on its own caller.
RKV3CANVAS_EXPORT void RunInParallel(int parts, const std::function<void(int part)>& work);
