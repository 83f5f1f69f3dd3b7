// Printing through Qt: the page is painted straight onto the printer in its device pixels.
#include "platform/qt/qt_printer.h"

#include "platform/qt/painter_surface.h"

#include <QFile>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <optional>

namespace quintaro::platform {

namespace {

class QtPrinter final : public Printer {
public:
    explicit QtPrinter(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

    // Opens the document; false when the printer cannot begin one.
    bool begin() {
        if (!painter_.begin(printer_.get())) return false;
        const QRect area = printer_->pageRect(QPrinter::DevicePixel).toRect();
        page_.emplace(painter_, area.width(), area.height());
        return true;
    }

    int pageWidth() const override { return page_->width(); }
    int pageHeight() const override { return page_->height(); }
    Surface& page() override { return *page_; }

    bool failed() const override {
        if (printer_->printerState() == QPrinter::Error) failed_ = true;
        return failed_;
    }

    bool finish() override {
        if (!painter_.isActive()) return false;
        const bool ended = painter_.end();
        return ended && !failed();
    }

    // A print engine that cannot abort (Qt's PDF and CUPS engines) gets its document ended; a PDF
    // file is removed again, while a CUPS printer prints what was drawn.
    void abort() override {
        if (printer_->abort() || !painter_.isActive()) return;
        painter_.end();
        if (const QString file = printer_->outputFileName(); !file.isEmpty()) QFile::remove(file);
    }

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    std::optional<PainterSurface> page_;
    mutable bool failed_ = false;
};

std::unique_ptr<Printer> begun(std::unique_ptr<QPrinter> printer, const std::string& documentName, PrintStart& status) {
    printer->setDocName(QString::fromStdString(documentName));
    auto document = std::make_unique<QtPrinter>(std::move(printer));
    if (!document->begin()) {
        status = PrintStart::Failed;
        return nullptr;
    }
    status = PrintStart::Started;
    return document;
}

// Pages are drawn at 600 dots per inch (a printable area of about 4,800 x 6,600), the resolution the
// symbols' shifts of a few pixels into their cells were set for; the line widths follow the page's size.
constexpr int kPageDotsPerInch = 600;

std::unique_ptr<QPrinter> pagePrinter(const QPrinterInfo& info) {
    auto printer = info.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                 : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setResolution(kPageDotsPerInch);
    return printer;
}

} // namespace

std::unique_ptr<Printer> startQtPrinting(QWidget* owner, const std::string& documentName, PrintStart& status) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    auto printer = pagePrinter(defaultPrinter);
    if (defaultPrinter.isNull()) {
        QPrintDialog dialog(printer.get(), owner);
        if (dialog.exec() != QDialog::Accepted) {
            status = PrintStart::Cancelled;
            return nullptr;
        }
    }
    return begun(std::move(printer), documentName, status);
}

std::unique_ptr<Printer> startPdfPrinting(const std::string& documentName, const std::string& fileName,
                                          PrintStart& status) {
    auto printer = pagePrinter(QPrinterInfo());
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(fileName));
    return begun(std::move(printer), documentName, status);
}

} // namespace quintaro::platform
