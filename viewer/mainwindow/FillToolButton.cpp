#include "mainwindow/FillToolButton.h"

#include "colorbytes/ColorBytes.h"
#include "mainwindow/ToolPictures.h"
#include "mainwindow/Twips.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <algorithm>

namespace {

// The button's size and distance from the strip's right edge, in twips, as
// the designed tool buttons are sized.
constexpr int ButtonWidth = 615;
constexpr int ButtonHeight = 375;
constexpr int ButtonTop = 35;
constexpr int EdgeGap = 120;
// Never further left than the inspector label's designed left edge, so the
// button stays clear of the designed tools in a narrow window.
constexpr int LeftmostLeft = 6360;

}  // namespace

FillToolButton::FillToolButton(QWidget* strip, QWidget* enabledLike) : QToolButton(strip), enabledLike_(enabledLike)
{
    setObjectName(QStringLiteral("optFillTool"));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setAutoRaise(false);
    setCheckable(true);
    setAcceptDrops(true);
    setEnabled(enabledLike->isEnabled());
    strip->installEventFilter(this);
    enabledLike->installEventFilter(this);
    placeInStrip();
}

void FillToolButton::SetFillColor(const SwatchValues& fill)
{
    fill_ = fill;
    const qint32 c = fill.color;
    setIcon(FillToolPicture(QColor(GetRedByte(c), GetGreenByte(c), GetBlueByte(c))));
    setToolTip(tr("Fill Tool (%1)").arg(fill.name));
}

void FillToolButton::placeInStrip()
{
    const double stripWidth = Twips::widthOf(parentWidget());
    Twips::place(this, std::max<double>(LeftmostLeft, stripWidth - EdgeGap - ButtonWidth), ButtonTop, ButtonWidth,
                 ButtonHeight);
    raise();
    const int side = std::max(8, std::min(width(), height()) - 6);
    setIconSize(QSize(side, side));
}

bool FillToolButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) placeInStrip();
    if (watched == enabledLike_ && event->type() == QEvent::EnabledChange) {
        setEnabled(enabledLike_->isEnabled());
        emit enabledFollowed(isEnabled());
    }
    return QToolButton::eventFilter(watched, event);
}

void FillToolButton::dragEnterEvent(QDragEnterEvent* event)
{
    if (SwatchMime::decode(event->mimeData())) event->acceptProposedAction();
    else event->ignore();
}

void FillToolButton::dragMoveEvent(QDragMoveEvent* event)
{
    if (SwatchMime::decode(event->mimeData())) event->acceptProposedAction();
    else event->ignore();
}

void FillToolButton::dropEvent(QDropEvent* event)
{
    const std::optional<SwatchValues> values = SwatchMime::decode(event->mimeData());
    if (!values) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit swatchDropped(*values);
}
