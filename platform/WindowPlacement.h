#pragma once

#include <optional>

namespace Platform {

// Whether the window system, not the program, decides where top-level
// windows go. On Wayland a program cannot place its windows, and the
// positions it reads back are not where they are on the screen (they come
// out as the window's own frame offsets). A program there keeps the stored
// position as it was and applies no rule that depends on it.
bool windowSystemPlacesWindows();

// For tests: answer `placed` instead of asking the platform (no value: ask
// it again). Returns the answer set before.
std::optional<bool> setWindowSystemPlacesWindows(std::optional<bool> placed);

}  // namespace Platform
