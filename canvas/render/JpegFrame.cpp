#include "render/JpegFrame.h"

#include <QIODevice>
#include <algorithm>
#include <vector>

namespace {

// Headers before the first scan are a handful of segments; a file with
// more is not read any further.
constexpr int MostSegments = 4096;

struct Component {
    int horizontal;
    int vertical;
};

struct Frame {
    int width = 0;
    int height = 0;
    bool progressive = false;
    std::vector<Component> components;
};

qint64 roundUp(qint64 value, qint64 step) { return (value + step - 1) / step * step; }

// The coefficient memory of a frame: per component, its blocks of 8 x 8
// (the component's share of the picture by its sampling factors), rounded
// up to whole groups of its factors, 128 bytes each.
qint64 coefficientBytes(const Frame& frame)
{
    int mostH = 1, mostV = 1;
    for (const Component& c : frame.components) {
        mostH = std::max(mostH, c.horizontal);
        mostV = std::max(mostV, c.vertical);
    }
    qint64 bytes = 0;
    for (const Component& c : frame.components) {
        const qint64 across = (qint64(frame.width) * c.horizontal + qint64(mostH) * 8 - 1) / (qint64(mostH) * 8);
        const qint64 down = (qint64(frame.height) * c.vertical + qint64(mostV) * 8 - 1) / (qint64(mostV) * 8);
        bytes += roundUp(across, c.horizontal) * roundUp(down, c.vertical) * 128;
    }
    return bytes;
}

bool readFrame(const QByteArray& segment, bool progressive, Frame& frame)
{
    if (segment.size() < 6) return false;
    const auto byte = [&segment](int i) { return int(uchar(segment[i])); };
    frame.height = byte(1) << 8 | byte(2);
    frame.width = byte(3) << 8 | byte(4);
    frame.progressive = progressive;
    const int count = byte(5);
    if (frame.width == 0 || frame.height == 0 || count == 0 || segment.size() < 6 + 3 * count) return false;
    for (int i = 0; i < count; ++i) {
        const int factors = byte(6 + 3 * i + 1);
        const Component c{factors >> 4, factors & 0x0F};
        if (c.horizontal < 1 || c.horizontal > 4 || c.vertical < 1 || c.vertical > 4) return false;
        frame.components.push_back(c);
    }
    return true;
}

// Walks the segments from the start of the file to the first scan.
qint64 decoderBytes(QIODevice& device)
{
    if (device.read(2) != QByteArray("\xFF\xD8", 2)) return -1;
    Frame frame;
    for (int segments = 0; segments < MostSegments; ++segments) {
        char mark = 0;
        if (!device.getChar(&mark) || uchar(mark) != 0xFF) return -1;
        char code = char(0xFF);
        while (uchar(code) == 0xFF)  // fill bytes may precede a marker
            if (!device.getChar(&code)) return -1;
        const int marker = uchar(code);
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
        const QByteArray length = device.read(2);
        if (length.size() != 2) return -1;
        const int size = (uchar(length[0]) << 8 | uchar(length[1])) - 2;
        if (size < 0) return -1;
        // Start of frame: C0 to CF, less C4 (tables), C8 (reserved) and CC
        // (conditioning); C2, C6, CA and CE are progressive.
        const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8
                                  && marker != 0xCC;
        if (startOfFrame || marker == 0xDA) {
            const QByteArray segment = device.read(size);
            if (segment.size() != size) return -1;
            if (startOfFrame) {
                if (!frame.components.empty() || !readFrame(segment, (marker & 0x03) == 0x02, frame))
                    return -1;
                continue;
            }
            // The first scan: the whole picture is kept unless it carries
            // every component at once in a sequential frame.
            if (frame.components.empty() || segment.isEmpty()) return -1;
            const bool oneScan = !frame.progressive && uchar(segment[0]) >= frame.components.size();
            return oneScan ? 0 : coefficientBytes(frame);
        }
        if (marker == 0xD9 || !device.seek(device.pos() + size)) return -1;
    }
    return -1;
}

}  // namespace

qint64 JpegDecoderBytes(QIODevice& device)
{
    const qint64 start = device.pos();
    const qint64 bytes = decoderBytes(device);
    return device.seek(start) ? bytes : -1;
}
