// The actions that need more than one call: drops, the colour editor,
// renaming, page turns (buttons, list and keys) and zooming (buttons, list
// and wheel).
#include "SoakDriver.h"

#include "coloreditor/ColorSwatch.h"
#include "coloreditor/dlgColor.h"
#include "mainwindow/Swatch.h"
#include "mainwindow/SwatchList.h"
#include "mainwindow/SwatchMime.h"
#include "mainwindow/frmMain.h"
#include "model/core/ModelState.h"
#include "view/RKV3CanvasCtl.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <memory>

namespace util = mdlRKVUtilities;

namespace Soak {

namespace {

// Sends a drag of values onto target at point, as a drop by the user; the
// drop goes only where the drag was accepted.
bool dragAndDrop(QWidget* target, const SwatchValues& values, QPoint point)
{
    std::unique_ptr<QMimeData> mime(SwatchMime::encode(values));
    QDragEnterEvent enter(point, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(point), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

QString describe(const SwatchValues& v)
{
    return QStringLiteral("%1/%2 \"%3\"").arg(v.color, 6, 16, QLatin1Char('0')).arg(v.offset).arg(v.name.left(40));
}

}  // namespace

QString Driver::pressButton(QAbstractButton* button, const QString& what)
{
    if (!button->isEnabled()) return QStringLiteral("%1 disabled").arg(what.isEmpty() ? button->objectName() : what);
    button->click();
    return what;
}

// The dragged swatch: a palette colour, another region's colour, or a swatch
// of another program's window with values of its own.
QString Driver::dropOnRegion()
{
    SwatchList& regions = *p_.regionList();
    if (!util::ModelIsOpen() || !regions.contentShown() || regions.rowCount() < 1) return QStringLiteral("no region rows");
    const int target = 1 + random(regions.rowCount());
    SwatchValues values;
    const int source = random(5);
    if (source < 2 && p_.paletteList()->contentShown())
        values = p_.paletteList()->swatch(random(p_.paletteList()->rowCount()))->values();
    else if (source < 4)
        values = regions.swatch(1 + random(regions.rowCount()))->values();
    else
        values = {random(1 << 24), random(700) - 350, randomName()};
    dropColor_ = util::ColorRecordOf(values.color, qint16(values.offset));
    dropName_ = values.name;
    dropRegion_ = target;
    Swatch* swatch = regions.swatch(target);
    const bool taken = dragAndDrop(swatch, values, {random(swatch->width()), random(swatch->height())});
    return QStringLiteral("%1 on region %2%3").arg(describe(values)).arg(target).arg(taken ? "" : " (refused)");
}

QString Driver::dropOnPage()
{
    QWidget* canvas = p_.RKVCanvas();
    const SwatchValues values = p_.paletteList()->contentShown() && random(3) != 0
                                    ? p_.paletteList()->swatch(random(p_.paletteList()->rowCount()))->values()
                                    : SwatchValues{random(1 << 24), random(500) - 250, randomName()};
    dropColor_ = util::ColorRecordOf(values.color, qint16(values.offset));
    dropName_ = values.name;
    dropRegion_ = 0;
    const QPoint at(random(std::max(canvas->width(), 1)), random(std::max(canvas->height(), 1)));
    const bool taken = dragAndDrop(canvas, values, at);
    return QStringLiteral("%1 at (%2, %3)%4").arg(describe(values)).arg(at.x()).arg(at.y()).arg(taken ? "" : " (refused)");
}

// The colour editor runs modally: it is worked from the event loop it runs,
// once it shows, and always closed with OK or Cancel.
QString Driver::editPaletteColor()
{
    SwatchList& palette = *p_.paletteList();
    if (!palette.contentShown()) return QStringLiteral("no palette shown");
    const int index = random(palette.rowCount());
    const bool rename = random(2), chooser = random(3) == 0, ok = random(10) < 7;
    // The offset: left, set as a whole, or typed key by key and finished
    // with Enter or by the box losing the focus.
    const int offset = random(3);
    const bool enter = random(2);
    const QString name = randomName();
    const int newOffset = random(700) - 350;
    static const QStringList typings{"-90", "-7", "0", "-255", "50", "-300", "-", "abc", "-9x", "x9", "-0"};
    const QString typed = random(3) == 0 ? QString::number(random(800) - 500) : typings[random(int(typings.size()))];
    // The box's rule: while typing, a whole number within -255..0 moves the
    // slider; once finished, a number goes into that range and anything
    // else brings back the slider's value.
    const auto finished = [](const QString& text, int slider) {
        bool number = false;
        const int value = text.toInt(&number);
        return number ? std::clamp(value, -255, 0) : slider;
    };
    const auto typedOffset = [&finished, typed](int start) {
        int slider = start;
        for (int n = 1; n <= typed.size(); ++n) {
            bool number = false;
            const int value = typed.left(n).toInt(&number);
            if (number && value >= -255 && value <= 0) slider = value;
        }
        return finished(typed, slider);
    };
    const int start = std::clamp(int(util::PaletteColors[size_t(index)].Offset), -255, 0);
    offsetIndex_ = index;
    offsetWanted_ = !ok ? util::PaletteColors[size_t(index)].Offset
                  : offset == 1 ? finished(QString::number(newOffset), start)
                  : offset == 2 ? typedOffset(start) : util::PaletteColors[size_t(index)].Offset;
    // The timers live with `guard`, so none outlives this action.
    QObject guard;
    std::function<void()> work;
    work = [this, &work, &guard, rename, offset, enter, typed, chooser, ok, name, newOffset] {
        QPointer<dlgColor> editor = w_.findChild<dlgColor*>();
        if (!editor || !editor->isVisible()) {
            QTimer::singleShot(1, &guard, [&work] { work(); });
            return;
        }
        if (rename) editor->findChild<QLineEdit*>(QStringLiteral("txtColorName"))->setText(name);
        QLineEdit* box = editor->findChild<QLineEdit*>(QStringLiteral("txtBlendOffset"));
        if (offset == 1) box->setText(QString::number(newOffset));
        if (offset == 2) {
            box->selectAll();
            for (const QChar c : typed) {
                QKeyEvent key(QEvent::KeyPress, c == '-' ? int(Qt::Key_Minus) : c.toUpper().unicode(), Qt::NoModifier, QString(c));
                QApplication::sendEvent(box, &key);
            }
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(box, enter ? static_cast<QEvent*>(&key) : &out);
        }
        if (chooser) emit editor->findChild<ColorSwatch*>(QStringLiteral("picCurrentColor"))->clicked();
        if (editor) editor->findChild<QPushButton*>(ok ? QStringLiteral("CmdOK") : QStringLiteral("CmdCancel"))->click();
    };
    QTimer::singleShot(0, &guard, [&work] { work(); });
    p_.picPalette_Click(qint16(index));
    return QStringLiteral("color %1%2%3%4 %5").arg(index)
        .arg(rename ? QStringLiteral(" named \"%1\"").arg(name.left(40)) : QString())
        .arg(offset == 1 ? QStringLiteral(" offset %1").arg(newOffset)
             : offset == 2 ? QStringLiteral(" typed \"%1\" and %2").arg(typed, enter ? "Enter" : "left the box") : QString())
        .arg(chooser ? " chooser" : "", ok ? "OK" : "Cancel");
}

QString Driver::renameColor()
{
    if (!p_.paletteList()->contentShown()) return QStringLiteral("no palette shown");
    const int index = random(p_.paletteList()->rowCount());
    p_.lblColorName_Click(qint16(index));
    return QStringLiteral("color %1").arg(index);
}

QString Driver::turnPage()
{
    switch (random(4)) {
    case 0: return pressButton(p_.cmdNextPage(), QStringLiteral("next"));
    case 1: return pressButton(p_.cmdPrevPage(), QStringLiteral("previous"));
    case 2: {
        QAction* key = random(2) ? p_.actPageDown() : p_.actPageUp();
        key->trigger();
        return key == p_.actPageDown() ? QStringLiteral("Page Down") : QStringLiteral("Page Up");
    }
    default:
        if (!p_.cboPage()->isEnabled() || p_.cboPage()->count() == 0) return QStringLiteral("page list disabled");
        const int page = random(p_.cboPage()->count());
        p_.cboPage()->setCurrentIndex(page);
        return QStringLiteral("page %1 from the list").arg(page + 1);
    }
}

// A model file dropped on the window or on the page, as from a file manager.
QString Driver::dropModelFile()
{
    const QStringList files = modelFiles();
    openTarget_ = files[random(int(files.size()))];
    events_.append({Event::OpenChosen, Set::Scheme, openTarget_});
    QWidget* target = random(2) ? static_cast<QWidget*>(&w_) : p_.RKVCanvas();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(openTarget_)});
    const QPoint at(target->width() / 3, target->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return QStringLiteral("a model file dropped and refused");
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return QStringLiteral("dropped on the %1").arg(target == p_.RKVCanvas() ? "page" : "window");
}

QString Driver::zoom()
{
    switch (random(5)) {
    case 3: {
        // The View menu's zooms: fitted, actual size, or a step up to 400 %.
        QAction* const items[] = {p_.mnuViewFitPage(), p_.mnuViewFitWidth(), p_.mnuViewActualSize(),
                                  p_.mnuViewZoomIn(), p_.mnuViewZoomOut()};
        QAction* item = items[random(5)];
        item->trigger();
        return QStringLiteral("View, %1").arg(item->text());
    }
    case 0: return pressButton(p_.cmdZoomIn(), QStringLiteral("in"));
    case 1: return pressButton(p_.cmdZoomOut(), QStringLiteral("out"));
    case 2: {
        // A wheel over the page: with Ctrl it zooms, without it scrolls,
        // with Shift sideways; a touchpad sends pixels.
        QWidget* canvas = p_.RKVCanvas();
        const QPointF at(random(std::max(canvas->width(), 1)), random(std::max(canvas->height(), 1)));
        const int angle = (random(2) ? 1 : -1) * 15 * (1 + random(16));
        const int modifier = random(4);
        const bool ctrl = modifier == 1;
        const Qt::KeyboardModifiers keys[] = {Qt::NoModifier, Qt::ControlModifier, Qt::ShiftModifier, Qt::NoModifier};
        const QPoint pixels = random(3) == 0 ? QPoint(random(61) - 30, random(121) - 60) : QPoint();
        QWheelEvent wheel(at, canvas->mapToGlobal(at), pixels, QPoint(random(3) == 0 ? angle : 0, angle),
                          Qt::NoButton, keys[modifier], Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &wheel);
        return QStringLiteral("wheel %1%2%3").arg(angle).arg(pixels.isNull() ? "" : " with pixels")
            .arg(ctrl ? " with Ctrl" : modifier == 2 ? " with Shift" : "");
    }
    default:
        if (!p_.cboZoom()->isEnabled()) return QStringLiteral("zoom list disabled");
        const int entry = random(p_.cboZoom()->count());
        p_.cboZoom()->setCurrentIndex(entry);
        return p_.cboZoom()->itemText(entry);
    }
}

}  // namespace Soak
