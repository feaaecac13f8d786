#pragma once

#include <QIcon>

// The pictures of the tool strip's picture buttons, drawn in code at the
// size and pixel density they are shown at: a hand for the pan tool, a
// dropper for the region inspector, a paint bucket pouring the fill colour
// for the fill tool, and a magnifying glass with a plus or a minus for the
// zoom buttons.
QIcon PanToolPicture();
QIcon InspectorToolPicture();
QIcon ZoomInPicture();
QIcon ZoomOutPicture();
QIcon FillToolPicture(const QColor& fill);
