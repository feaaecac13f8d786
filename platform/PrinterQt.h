#pragma once

#include "platform/Printer.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>

namespace Platform {

class ReplacementFile;

// A printer drawn through Qt's QPrinter: the settings go to the QPrinter
// while no job runs, the job starts with the first drawing (QPainter::begin)
// and ends with EndDoc (QPainter::end). Coordinates reach the painter in
// device pixels, measured from the top-left corner of the printable area.
class QtPrinter : public Printer {
public:
    ~QtPrinter() override;

    void PrepareSheets(QPrinter& sheets) const override;
    bool setDocumentTitle(const QString& title) override;

    bool setPrintQuality(short value) override;
    bool setCopies(short value) override;
    bool setPaperSize(short value) override;
    bool setFontName(const QString& name) override;
    bool setFontSize(float points) override;
    bool setDrawWidth(int pixels) override;
    bool setScaleMode(int mode) override;
    int ScaleMode() const override { return scaleMode_; }

    double ScaleWidth() const override;
    double ScaleHeight() const override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    int GetDeviceCaps(int index) const override;

    bool setCurrentX(double x) override { currentX_ = x; return true; }
    bool setCurrentY(double y) override { currentY_ = y; return true; }
    double CurrentX() const override { return currentX_; }
    double CurrentY() const override { return currentY_; }

    double TextWidth(const QString& text) override;
    double TextHeight(const QString& text) override;

    bool PaintPicture(const QImage& picture, double x, double y, double width,
                      double height) override;
    bool Print(const QString& text) override;
    bool Box(double x1, double y1, double x2, double y2, int color) override;
    bool Line(double x1, double y1, double x2, double y2, int color) override;
    bool NewPage() override;
    bool EndDoc() override;

protected:
    QtPrinter() = default;
    // Draws on a QPrinter of someone else's (a print preview's sheets).
    explicit QtPrinter(QPrinter& sheets) : sheets_(&sheets) {}

    // The QPrinter is made on first use, so listing printers stays cheap.
    QPrinter& device() const;
    virtual void prepareDevice(QPrinter& printer) const = 0;
    // Called as a job starts, before its painter begins; false refuses it.
    virtual bool prepareJob() { return true; }
    // Called after a job's painter has ended successfully.
    virtual bool finishJob() { return true; }
    bool jobRunning() const { return painter_.isActive(); }
    // Ends a job left open by a failed print without finishing it.
    void abandonJob();

private:
    bool ensureJob();
    // Device pixels per unit of the current ScaleMode.
    double unit() const;
    QFont currentFont() const;
    // Sets the painter's pen to the colour and the DrawWidth.
    void setPen(int color);

    mutable std::unique_ptr<QPrinter> printer_;
    QPrinter* sheets_ = nullptr;
    QPainter painter_;
    QString fontName_ = QStringLiteral("Arial");
    float fontSize_ = 10.0f;
    int drawWidth_ = 1;
    int scaleMode_ = ScaleTwips;
    double currentX_ = 0;
    double currentY_ = 0;
};

// A printer of the system's printing service (CUPS), by its queue name.
class SystemPrinter : public QtPrinter {
public:
    explicit SystemPrinter(const QString& name) : name_(name) {}
    QString DeviceName() const override { return name_; }

protected:
    void prepareDevice(QPrinter& printer) const override;

private:
    QString name_;
};

// The built-in printer that writes a PDF file. Its printable area is the
// whole sheet (physical offsets 0). Each job writes a ReplacementFile of
// the target, renamed over it when the job ends whole, so a failed job never
// destroys an older file and a link at the target is replaced, not followed.
class PdfFilePrinter : public QtPrinter {
public:
    static const QString Name;  // "PDF File"

    PdfFilePrinter();
    ~PdfFilePrinter() override;
    QString DeviceName() const override { return Name; }
    bool WritesFile() const override { return true; }
    bool setOutputFileName(const QString& path) override;

protected:
    void prepareDevice(QPrinter& printer) const override;
    bool prepareJob() override;
    bool finishJob() override;

private:
    QString target_;
    std::unique_ptr<ReplacementFile> file_;  // the running job's file
};

// A printer that draws on the sheets of a print preview, standing in for
// the printer the preview shows: the print code talks to it as to any
// printer, and the preview shows what it drew.
class SheetPrinter : public QtPrinter {
public:
    SheetPrinter(QPrinter& sheets, const QString& name) : QtPrinter(sheets), name_(name) {}
    QString DeviceName() const override { return name_; }

protected:
    void prepareDevice(QPrinter&) const override {}

private:
    QString name_;
};

}  // namespace Platform
