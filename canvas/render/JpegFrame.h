#pragma once

#include <QtGlobal>

class QIODevice;

// The memory the JPEG decoder takes for a picture besides the picture
// itself, read from the file's headers before anything is decoded. A JPEG
// in several scans (progressive, or with its colour components sent one
// after the other) is decoded by first keeping the coefficients of the
// whole picture, 2 bytes for each of a block's 64 coefficients in every
// component: a 525-byte progressive file that declares 16384 x 16384 pixels
// takes 1.6 GB there before a pixel comes out. A JPEG in one scan is decoded
// a row of blocks at a time and takes 0.
// Returns -1 when the headers cannot be read up to the first scan. The
// device's position is left where it was.
qint64 JpegDecoderBytes(QIODevice& device);
