#pragma once

#include <QIcon>

// The pictures of the tool strip's picture buttons, drawn in code at the
// size and pixel density they are shown at: a hand for the pan tool, a
// dropper for the region inspector, and a magnifying glass with a plus or a
// minus for the zoom buttons.
QIcon PanToolPicture();
QIcon InspectorToolPicture();
QIcon ZoomInPicture();
QIcon ZoomOutPicture();
