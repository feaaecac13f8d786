#pragma once

#include <QIcon>

// The program's own icon (a folded paper house on a sheet, with a colour
// chip) in every size it is drawn at, from the program's resources. The main
// window sets it as the application's window icon.
QIcon applicationIcon();
