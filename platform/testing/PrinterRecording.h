#pragma once

#include "platform/Printer.h"
#include "platform/PrinterRegistry.h"

#include <QImage>
#include <QList>
#include <QSet>
#include <QStringList>
#include <memory>

namespace Platform {

// One call a RecordingPrinter received: the operation's name, its numbers
// and text as passed, and for PaintPicture the picture.
struct PrinterCall {
    QString op;
    QList<double> values;
    QString text;
    QImage picture;
};

// The sheet a RecordingPrinter reports, in inches, and its resolution
// across and down. By default a Letter sheet whose printable area is
// 8.0 x 10.5 in, with four different margins (left 0.2, top 0.35, right 0.3,
// bottom 0.15 in) and twice the resolution across as down, so that a length
// measured on the wrong side or in the wrong direction shows.
struct RecordingSheet {
    int dpiX = 600;
    int dpiY = 300;
    double paperWidth = 8.5;   // inches
    double paperHeight = 11.0;
    double offsetX = 0.2;      // printable area's top-left corner, inches
    double offsetY = 0.35;
    double printWidth = 8.0;   // printable area, inches
    double printHeight = 10.5;
};

// A printer for tests: it draws nothing and logs every call with its values.
// Its sheet and resolution are set by the test; text is measured as a fixed
// advance per character so that positions are predictable.
class RecordingPrinter : public Printer {
public:
    using Sheet = RecordingSheet;

    explicit RecordingPrinter(QString name, Sheet sheet = Sheet{}, bool writesFile = false)
        : name_(std::move(name)), sheet_(sheet), writesFile_(writesFile) {}

    // Every later call of this operation is refused (returns false).
    void refuse(const QString& op) { refused_.insert(op); }

    const QList<PrinterCall>& calls() const { return calls_; }
    // The names of the calls, in order.
    QStringList ops() const;
    // The calls of one operation.
    QList<PrinterCall> callsOf(const QString& op) const;
    void clear() { calls_.clear(); }

    QString DeviceName() const override { return name_; }
    bool setDocumentTitle(const QString& title) override { return record("DocumentTitle", {}, title); }
    bool WritesFile() const override { return writesFile_; }
    bool setOutputFileName(const QString& path) override;

    bool setPrintQuality(short value) override { return record("PrintQuality", {double(value)}); }
    bool setCopies(short value) override { return record("Copies", {double(value)}); }
    bool setPaperSize(short value) override;
    bool setFontName(const QString& name) override;
    bool setFontSize(float points) override;
    bool setDrawWidth(int pixels) override { return record("DrawWidth", {double(pixels)}); }
    bool setScaleMode(int mode) override;
    int ScaleMode() const override { return scaleMode_; }

    double ScaleWidth() const override { return sheet_.printWidth * sheet_.dpiX / unitX(); }
    double ScaleHeight() const override { return sheet_.printHeight * sheet_.dpiY / unitY(); }
    double TwipsPerPixelX() const override { return 1440.0 / sheet_.dpiX; }
    double TwipsPerPixelY() const override { return 1440.0 / sheet_.dpiY; }
    int GetDeviceCaps(int index) const override;

    bool setCurrentX(double x) override;
    bool setCurrentY(double y) override;
    double CurrentX() const override { return currentX_; }
    double CurrentY() const override { return currentY_; }

    // A character is 0.1 of the font size across and the font size down.
    double TextWidth(const QString& text) override;
    double TextHeight(const QString& text) override;

    bool PaintPicture(const QImage& picture, double x, double y, double width,
                      double height) override;
    bool Print(const QString& text) override;
    bool Box(double x1, double y1, double x2, double y2, int color) override;
    bool Line(double x1, double y1, double x2, double y2, int color) override;
    bool NewPage() override { return record("NewPage", {}); }
    bool EndDoc() override { return record("EndDoc", {}); }

private:
    bool record(const QString& op, QList<double> values, const QString& text = QString(),
                const QImage& picture = QImage());
    // Device pixels per unit of the ScaleMode, across and down.
    double unitX() const { return deviceUnitsPerScaleUnit(scaleMode_, sheet_.dpiX); }
    double unitY() const { return deviceUnitsPerScaleUnit(scaleMode_, sheet_.dpiY); }

    QString name_;
    Sheet sheet_;
    bool writesFile_;
    QSet<QString> refused_;
    QList<PrinterCall> calls_;
    int scaleMode_ = ScaleTwips;
    float fontSize_ = 10.0f;
    double currentX_ = 0;
    double currentY_ = 0;
};

// Installs recording printers as the platform's printer list for its own
// life (the first one current unless `defaultName` names another), and puts
// the previous list back when it goes.
class RecordingPrinters {
public:
    explicit RecordingPrinters(QList<std::shared_ptr<RecordingPrinter>> printers,
                               const QString& defaultName = QString());
    ~RecordingPrinters();
    RecordingPrinters(const RecordingPrinters&) = delete;
    RecordingPrinters& operator=(const RecordingPrinters&) = delete;

    RecordingPrinter& operator[](int i) { return *printers_[i]; }

private:
    QList<std::shared_ptr<RecordingPrinter>> printers_;
    PrinterRegistry::Installed previous_;
};

}  // namespace Platform
