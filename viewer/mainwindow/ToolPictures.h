#pragma once

#include <QPixmap>

// The 32 x 32 pictures of the tool strip's picture buttons, drawn in code:
// a hand for the pan tool, a dropper for the region inspector, and a
// magnifying glass with a plus or a minus for the zoom buttons.
QPixmap PanToolPicture();
QPixmap InspectorToolPicture();
QPixmap ZoomInPicture();
QPixmap ZoomOutPicture();
