#pragma once

// What every fuzz target shares: message boxes answered at once (a reader
// that shows one must never wait on a window) and the input as a file,
// since the readers read files by name.
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzz {

// Answers every message box with OK, recording nothing.
void AnswerMessageBoxes();

// Writes the input to this process's scratch file (in memory where the
// system offers /dev/shm) and returns its path.
QString WriteInput(const uint8_t* data, size_t size);

// Stops the run with a report when an invariant of a reader does not hold.
void Require(bool condition, const char* what);

}  // namespace fuzz
