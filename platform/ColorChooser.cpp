#include "platform/ColorChooser.h"

#include <QColor>
#include <QColorDialog>
#include <QPointer>

namespace Platform {

namespace {

ColorChooser::Responder& currentResponder()
{
    static ColorChooser::Responder responder;
    return responder;
}

qint32& lastError()
{
    static qint32 error = 0;
    return error;
}

ColorChooserResult runDialog(const ColorChooserRequest& request, CustomColorTable& customColors)
{
    // Qt's colour dialog keeps exactly 16 custom colours, application-wide;
    // they are loaded from the table before and copied back afterwards.
    for (int i = 0; i < int(customColors.size()); ++i)
        QColorDialog::setCustomColor(i, ColorChooser::toQColor(customColors[i]));

    ColorChooserResult result;
    QPointer<QColorDialog> dialog = new QColorDialog(request.owner);
    if (request.flags & ColorChooserFlags::RgbInit)
        dialog->setCurrentColor(ColorChooser::toQColor(request.initialColor));
    const int answer = dialog->exec();
    if (!dialog) return result;
    if (answer == QDialog::Accepted) {
        result.result = 1;
        result.color = ColorChooser::toColorValue(dialog->currentColor());
    }
    delete dialog;

    for (int i = 0; i < int(customColors.size()); ++i)
        customColors[i] = ColorChooser::toColorValue(QColorDialog::customColor(i));
    return result;
}

}  // namespace

QColor ColorChooser::toQColor(qint32 colorValue)
{
    const int red = quint8(colorValue % 256);
    const int green = quint8((colorValue / 256) % 256);
    const int blue = quint8((colorValue / 65536) % 256);
    return QColor(red, green, blue);
}

qint32 ColorChooser::toColorValue(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return rgb.red() + 256 * rgb.green() + 65536 * rgb.blue();
}

ColorChooserResult ColorChooser::run(const ColorChooserRequest& request, CustomColorTable& customColors)
{
    const Responder& responder = currentResponder();
    ColorChooserResult result = responder ? responder(request, customColors)
                                          : runDialog(request, customColors);
    lastError() = (result.result == 0 || result.result == 1) ? 0 : result.extendedError;
    return result;
}

qint32 ColorChooser::lastExtendedError() { return lastError(); }

ColorChooser::Responder ColorChooser::setResponder(Responder responder)
{
    Responder previous = std::move(currentResponder());
    currentResponder() = std::move(responder);
    return previous;
}

}  // namespace Platform
