// Showing where a region lies on the page: its outline under the pointer and
// a short flash, with the view scrolled to it.
#include "view/RKV3CanvasCtl.h"

#include "render/RegionOutline.h"
#include "render/RegionRunIndex.h"
#include "view/CanvasView.h"
#include "view/RegionOverlay.h"
#include "view/SignedScrollBar.h"

#include <algorithm>
#include <cmath>

RegionOverlay* RKV3CanvasCtl::regionOverlay()
{
    // The overlay draws only over the page it was given a shape of; an
    // unloaded page shows none.
    if (!regionOverlay_)
        regionOverlay_ = new RegionOverlay(picView_, [this] { return imageWidth_ > 0 ? loaderImage_.cacheKey() : 0; });
    return regionOverlay_;
}

RegionShape RKV3CanvasCtl::regionShape(int region) const
{
    if (region < 1 || region >= RKV3Canvas::RegionPalette::Size || loaderImage_.isNull() || imageWidth_ <= 0) return {};
    const std::size_t stride = std::size_t(loaderImage_.bytesPerLine() / 4);
    if (indexedPageKey_ != 0 && indexedPageKey_ == loaderImage_.cacheKey())
        return TraceRegion(regionRuns_->Runs(region), stride);
    // A page shown without a run index is read for the one region.
    return TraceRegion(ScanRegionRuns(reinterpret_cast<const std::uint32_t*>(loaderImage_.constBits()), stride,
                                      loaderImage_.width(), loaderImage_.height(), region),
                       stride);
}

void RKV3CanvasCtl::ShowRegionOutline(int region)
{
    const qint64 page = imageWidth_ > 0 ? loaderImage_.cacheKey() : 0;
    // The pointer moves many times over one region: it is traced once.
    if (region == outlinedRegion_ && page == outlinedPageKey_ && regionOverlay_ && regionOverlay_->Outlining())
        return;
    outlinedRegion_ = region;
    outlinedPageKey_ = page;
    RegionShape shape = regionShape(region);
    if (shape.empty() && !regionOverlay_) return;
    regionOverlay()->ShowOutline(shape, loaderImage_.size(), page);
}

bool RKV3CanvasCtl::FlashRegion(int region)
{
    const RegionShape shape = regionShape(region);
    if (shape.empty()) return false;
    scrollPageBoxIntoView(shape.box);
    regionOverlay()->Flash(shape, loaderImage_.size(), loaderImage_.cacheKey());
    return true;
}

namespace {

// Moves one shown bar so that the view's stretch [from, to) lies inside the
// visible extent, centred when it fits there and from its start when not.
// A bar's Value is the view's offset in the viewport: 0 at the start, down
// to Max (negative) at the end.
void scrollAxis(SignedScrollBar* bar, double from, double to, int visible)
{
    if (bar->isHidden() || visible <= 0) return;
    const double shownFrom = -double(bar->Value());
    if (from >= shownFrom && to <= shownFrom + visible) return;
    const double start = to - from <= visible ? (from + to - visible) / 2.0 : from;
    const int value = int(std::lround(std::clamp(-start, double(bar->Max()), 0.0)));
    bar->SetValue(value);
}

}  // namespace

void RKV3CanvasCtl::scrollPageBoxIntoView(const PageBox& box)
{
    if (loaderImage_.width() <= 0 || loaderImage_.height() <= 0) return;
    const double sx = double(viewWidth_) / loaderImage_.width();
    const double sy = double(viewHeight_) / loaderImage_.height();
    const int visibleWidth = picMain_->width() - (vscPicture_->isHidden() ? 0 : vscPicture_->width());
    const int visibleHeight = picMain_->height() - (hscPicture_->isHidden() ? 0 : hscPicture_->height());
    scrollAxis(hscPicture_, box.left * sx, box.right * sx, visibleWidth);
    scrollAxis(vscPicture_, box.top * sy, box.bottom * sy, visibleHeight);
}
