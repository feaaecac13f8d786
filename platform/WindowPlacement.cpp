#include "platform/WindowPlacement.h"

#include <QGuiApplication>

namespace Platform {

namespace {

std::optional<bool>& answerForTests()
{
    static std::optional<bool> answer;
    return answer;
}

}  // namespace

bool windowSystemPlacesWindows()
{
    if (answerForTests()) return *answerForTests();
    // Qt names its Wayland platforms "wayland", "wayland-egl", "wayland-brcm"
    // and so on.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

std::optional<bool> setWindowSystemPlacesWindows(std::optional<bool> placed)
{
    const std::optional<bool> previous = answerForTests();
    answerForTests() = placed;
    return previous;
}

}  // namespace Platform
