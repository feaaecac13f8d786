#include "view/SurfaceHandles.h"

#include <QHash>

namespace SurfaceHandles {

namespace {

// Handles start well away from 0 and small numbers, step by 4 like the
// handles of the classic desktop.
constexpr int FirstHandle = 0x00010000;

struct Registry {
    QHash<int, QPaintDevice*> devices;
    int next = FirstHandle;
};

// The control lives on the user-interface thread; so do its handles.
Registry& registry()
{
    static Registry r;
    return r;
}

}  // namespace

int issue(QPaintDevice* device)
{
    Registry& r = registry();
    const int handle = r.next;
    r.next += 4;
    r.devices.insert(handle, device);
    return handle;
}

void release(int handle) { registry().devices.remove(handle); }

QPaintDevice* device(int handle) { return registry().devices.value(handle, nullptr); }

}  // namespace SurfaceHandles
