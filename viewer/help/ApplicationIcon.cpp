#include "help/ApplicationIcon.h"

// The icon's pictures are compiled into this static library; the library
// registers them itself, since nothing else refers to them.
static void registerIconResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(ApplicationIcon);
        return true;
    }();
    (void)registered;
}

QIcon applicationIcon()
{
    registerIconResources();
    static const int sizes[] = {16, 32, 48, 64, 128, 256};
    QIcon icon;
    for (int size : sizes) icon.addFile(QStringLiteral(":/icons/RKVViewer3-%1.png").arg(size), QSize(size, size));
    return icon;
}
