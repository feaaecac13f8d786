#include "modelgen/core/BenchmarkPages.h"
#include "modelgen/core/ShapePaths.h"

#include "modelgen/core/BuildingDetails.h"
#include "modelgen/core/CottageRegions.h"
#include "modelgen/core/DeterministicRandom.h"
#include "modelgen/core/ModelWriter.h"
#include "modelgen/core/NetBuilders.h"
#include "modelgen/core/PageSheet.h"
#include "modelgen/core/Piece.h"
#include "modelgen/core/SurfaceTextures.h"

#include <QPolygonF>

#include <functional>

namespace {

constexpr double Margin = 50.0;
constexpr double Gap = 36.0;
constexpr double Flap = 30.0;

// A piece that has been sized but not yet placed.
struct PlannedPiece {
    double width = 0.0;
    double height = 0.0;
    std::function<void(Piece&, QPointF)> build; // called with the top left corner of its box
};

int anyRegion(DeterministicRandom& random)
{
    return random.between(1, CottageRegion::Count);
}

PlannedPiece wallStrip(DeterministicRandom& random)
{
    std::vector<NetBuilders::WallSpec> walls;
    const int count = random.between(1, 3);
    double width = 0.0, gable = 0.0;
    for (int i = 0; i < count; ++i) {
        NetBuilders::WallSpec spec{random.between(140.0, 320.0), random.chance(0.4) ? random.between(50.0, 140.0) : 0.0};
        width += spec.width;
        gable = std::max(gable, spec.gableHeight);
        walls.push_back(spec);
    }
    const double height = random.between(150.0, 260.0);
    const int region = random.chance(0.6) ? int(CottageRegion::Walls) : anyRegion(random);
    const std::uint64_t detailSeed = random.next();
    const double top = std::max(gable, Flap) + Flap * 0.8;
    PlannedPiece planned;
    planned.width = width + Flap * 1.2;
    planned.height = top + height + Flap * 1.2;
    planned.build = [=](Piece& piece, QPointF at) {
        DeterministicRandom details(detailSeed);
        const auto strip = NetBuilders::wallStrip(piece, at + QPointF(0.0, top), walls, height, Flap, region,
                                                  CottageRegion::GlueFlaps);
        for (const QRectF& wall : strip.walls) {
            BuildingDetails::foundation(piece, QRectF(wall.left(), wall.bottom() - 22.0, wall.width(), 22.0));
            const int windows = int(wall.width() / 110.0);
            const bool door = details.chance(0.4) && wall.height() > 170.0;
            const double slot = wall.width() / std::max(1, windows);
            for (int w = 0; w < windows; ++w) {
                const double cx = wall.left() + slot * (w + 0.5);
                if (door && w == windows / 2)
                    BuildingDetails::door(piece, QRectF(cx - 32.0, wall.bottom() - 22.0 - 130.0, 64.0, 130.0));
                else
                    BuildingDetails::window(piece, QRectF(cx - 32.0, wall.top() + 40.0, 64.0, 80.0),
                                            details.chance(0.5) && slot > 150.0);
            }
            BuildingDetails::eaveShadow(piece, wall, 36.0);
        }
    };
    return planned;
}

PlannedPiece box(DeterministicRandom& random)
{
    const double w = random.between(60.0, 240.0);
    const double d = random.between(30.0, 110.0);
    const double h = random.between(20.0, 110.0);
    const int side = anyRegion(random);
    const int top = anyRegion(random);
    const bool bricks = random.chance(0.5);
    PlannedPiece planned;
    planned.width = 2.0 * (w + d) + Flap * 1.2;
    planned.height = Flap + d + h + d + Flap;
    planned.build = [=](Piece& piece, QPointF at) {
        const auto net = NetBuilders::boxNet(piece, at + QPointF(0.0, Flap + d), w, d, h, true, side, top,
                                             CottageRegion::GlueFlaps, Flap * 0.7);
        if (bricks) piece.addFaceInk(net.front, SurfaceTextures::courses(net.frontRect, 10.0, 22.0), InkStyle::Texture);
        piece.addFaceInk(net.top, SurfaceTextures::boards(net.topRect, 12.0, true), InkStyle::Texture);
    };
    return planned;
}

PlannedPiece column(DeterministicRandom& random)
{
    const double side = random.between(14.0, 34.0);
    const double height = random.between(100.0, 240.0);
    const int region = anyRegion(random);
    PlannedPiece planned;
    planned.width = 4.0 * side + Flap;
    planned.height = height;
    planned.build = [=](Piece& piece, QPointF at) {
        NetBuilders::columnNet(piece, at, side, height, region, CottageRegion::GlueFlaps, Flap * 0.6);
    };
    return planned;
}

PlannedPiece roof(DeterministicRandom& random)
{
    const double w = random.between(200.0, 520.0);
    const double s = random.between(90.0, 200.0);
    const int region = random.chance(0.6) ? int(CottageRegion::RoofTiles) : anyRegion(random);
    PlannedPiece planned;
    planned.width = w;
    planned.height = 2.0 * s;
    planned.build = [=](Piece& piece, QPointF at) {
        const QRectF back(at.x(), at.y(), w, s);
        const QRectF front(at.x(), at.y() + s, w, s);
        const int a = piece.addFace(rectPolygon(back), region, Shading::linear(back.topLeft(), 96, back.bottomLeft(), 140));
        const int b = piece.addFace(rectPolygon(front), region, Shading::linear(front.topLeft(), 158, front.bottomLeft(), 112));
        piece.addFaceInk(a, SurfaceTextures::courses(back, 18.0, 26.0), InkStyle::Texture);
        piece.addFaceInk(b, SurfaceTextures::courses(front, 18.0, 26.0), InkStyle::Texture);
    };
    return planned;
}

PlannedPiece fence(DeterministicRandom& random)
{
    const double length = random.between(150.0, 520.0);
    PlannedPiece planned;
    planned.width = length;
    planned.height = 80.0 + 22.0;
    planned.build = [=](Piece& piece, QPointF at) {
        NetBuilders::fencePanel(piece, at + QPointF(0.0, 80.0), length, 80.0, CottageRegion::Fence,
                                CottageRegion::Lawn, CottageRegion::GlueFlaps, 20.0);
    };
    return planned;
}

PlannedPiece anyPiece(DeterministicRandom& random)
{
    switch (random.between(0, 9)) {
    case 0: case 1: case 2: case 3: return wallStrip(random);
    case 4: case 5: return box(random);
    case 6: return column(random);
    case 7: case 8: return roof(random);
    default: return fence(random);
    }
}

} // namespace

QImage MakeBenchmarkPage(int width, int height, std::uint32_t seed)
{
    if (width <= 0 || height <= 0) return {};
    const double scale = width / 1275.0;
    PageSheet sheet(width, height, scale);
    sheet.addHeading(QStringLiteral("TEST PAGE"), 1, 1, QStringLiteral("SEED %1").arg(seed));
    DeterministicRandom random(0x5EED0000ull + seed);
    const double right = sheet.unitWidth() - Margin;
    const double bottom = sheet.unitHeight() - 90.0;
    double x = Margin, y = 100.0, rowHeight = 0.0;
    int piece = 0;
    // Shelf packing: pieces go left to right; a piece that does not fit
    // starts a new row; the page is full when a fresh row has no room.
    for (int attempt = 0; attempt < 400; ++attempt) {
        PlannedPiece planned = anyPiece(random);
        if (x + planned.width > right) {
            if (x == Margin) continue; // too wide for any row: try another
            x = Margin;
            y += rowHeight + Gap;
            rowHeight = 0.0;
            if (x + planned.width > right) continue;
        }
        if (y + planned.height > bottom) {
            if (rowHeight == 0.0 && y + 60.0 > bottom) break;
            continue;
        }
        Piece p;
        planned.build(p, QPointF(x, y));
        sheet.addPiece(p);
        sheet.addCaption(QString::number(++piece), QPointF(x, y + planned.height + 6.0), 11.0);
        x += planned.width + Gap;
        rowHeight = std::max(rowHeight, planned.height + 20.0);
    }
    sheet.addLegend();
    return sheet.image();
}

GeneratedModel MakeBenchmarkModel(const QString& name, int pageCount, int width, int height, std::uint32_t seed,
                                  int resolution)
{
    GeneratedModel model;
    model.name = name;
    model.resolution = resolution;
    model.schemeFileName = name + QStringLiteral(".RKS3");
    model.scheme = CottageScheme();
    model.regionNames = CottageRegionNames();
    for (int i = 0; i < pageCount; ++i)
        model.pages.push_back({QStringLiteral("%1_%2.png").arg(name).arg(i + 1),
                               QStringLiteral("Test page %1").arg(i + 1),
                               MakeBenchmarkPage(width, height, seed + std::uint32_t(i))});
    return model;
}

bool WriteBenchmarkModel(const QString& folder, const QString& name, int pageCount, int width, int height,
                         std::uint32_t seed, int resolution, QString* error)
{
    return ModelWriter::write(MakeBenchmarkModel(name, pageCount, width, height, seed, resolution), folder, error);
}
