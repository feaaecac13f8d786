#pragma once

#include <QFont>

// The main window is laid out in twips for a small 8-point interface font.
// This is that font: a condensed sans serif where the system has one, so
// captions, labels and list entries fit the designed sizes unclipped.
QFont InterfaceFont();
