#pragma once

#include <QtCore/qglobal.h>

#if defined(RKV3CANVAS_LIBRARY)
#define RKV3CANVAS_EXPORT Q_DECL_EXPORT
#else
#define RKV3CANVAS_EXPORT Q_DECL_IMPORT
#endif
