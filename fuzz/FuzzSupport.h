#pragma once

// What every fuzz target shares: the input as a file, since the readers read
// files by name, and a way to stop on a broken invariant. Qt Core only, so the
// model's fuzzers run without a window system.
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzz {

// Writes the input to this process's scratch file (in memory where the
// system offers /dev/shm) and returns its path.
QString WriteInput(const uint8_t* data, size_t size);

// Stops the run with a report when an invariant of a reader does not hold.
void Require(bool condition, const char* what);

}  // namespace fuzz
