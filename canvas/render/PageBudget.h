#pragma once

#include "render/CanvasExport.h"

#include <QSize>
#include <string>

// Largest page side in pixels; larger pages are refused before their pixels
// are allocated.
inline constexpr int MaxPageSide = 32767;

// Bytes a page costs per pixel in its two full-size surfaces, the loader
// and the buffer (32 bits a pixel each).
inline constexpr qint64 PageSurfaceBytesPerPixel = 8;

// Where the memory this process may use is read from. Tests and hosts point
// the files elsewhere and give the numbers themselves; a number below 0 is
// asked of the system.
struct MemorySources {
    // Lists the process's control groups (cgroup v2 "0::/path", v1
    // "N:controllers:/path").
    std::string processCgroups = "/proc/self/cgroup";
    // Where the control group file systems are mounted: v2 directly, v1 with
    // its memory controller under "memory".
    std::string cgroupRoot = "/sys/fs/cgroup";
    // The machine's memory in bytes.
    qint64 physicalMemory = -1;
    // The address-space limit (RLIMIT_AS) in bytes; 0 for none.
    qint64 addressSpaceLimit = -1;
};

// The most memory this process may use: the least of the machine's memory,
// the memory limit of its control group and of every group above it (v2
// "memory.max", where "max" means none; v1 "memory.limit_in_bytes"), and its
// address-space limit. 0 when none of them is known.
RKV3CANVAS_EXPORT qint64 ProcessMemoryLimit(const MemorySources& sources);

// Replaces the sources PageSurfaceBudget() reads (the system's by default).
RKV3CANVAS_EXPORT void SetPageMemorySources(const MemorySources& sources);

// The most bytes one page may take, everything it holds counted: its two
// surfaces, the decoder's own memory while it is read, and its region run
// index. A quarter of ProcessMemoryLimit(), and never more than 2 GiB; the
// quarter leaves room for the page shown while the next one loads, and for
// the program itself. A3 at 600 pixels per inch (7016 x 9921, 0.56 GB) fits
// wherever the process may use 4 GB; a downloaded file that declares 20000 x
// 20000 pixels (3.2 GB) is refused everywhere.
RKV3CANVAS_EXPORT qint64 PageSurfaceBudget();

// Lowers (or, with 0, restores) the budget, for a host that knows it runs in
// less memory than its limits tell: a fuzzing harness.
RKV3CANVAS_EXPORT void SetPageSurfaceBudget(qint64 bytes);

// True when a page of this size may be shown: both sides from 1 to
// MaxPageSide and its surfaces within PageSurfaceBudget().
RKV3CANVAS_EXPORT bool PageSizeAllowed(QSize size);
