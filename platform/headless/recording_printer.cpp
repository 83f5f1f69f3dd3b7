// The recording page: each call is stored with the surface's state at that moment, text measured by Qt.
#include "platform/headless/recording_printer.h"

#include "platform/qt/qt_device_fonts.h"

#include <QFontMetrics>

#include <stdexcept>

namespace quintaro::platform {

class RecordingPrinter::Page final : public Surface {
public:
    Page(PrintJob& job, int width, int height, int dotsPerInch, int failAfter)
        : job_(job), width_(width), height_(height), dotsPerInch_(dotsPerInch), failAfter_(failAfter) {}

    int width() const override { return width_; }
    int height() const override { return height_; }
    void line(int x1, int y1, int x2, int y2) override { record(PrintOperation::Kind::Line, x1, y1, x2, y2); }
    void rectangle(int x1, int y1, int x2, int y2) override { record(PrintOperation::Kind::Rectangle, x1, y1, x2, y2); }
    void filledRectangle(int x1, int y1, int x2, int y2) override {
        record(PrintOperation::Kind::FilledRectangle, x1, y1, x2, y2);
    }
    void text(int x, int y, const std::string& utf8) override {
        if (PrintOperation* op = record(PrintOperation::Kind::Text, x, y, 0, 0)) op->text = utf8;
    }
    // Needs a running Qt GUI application, as the image surface does.
    int textWidth(const std::string& utf8) const override {
        return QFontMetrics(resolveFontAt(font(), dotsPerInch_)).horizontalAdvance(QString::fromStdString(utf8));
    }
    SavedRectangle saveRectangle(int, int, int, int) const override { return {}; }
    void paintRectangle(const SavedRectangle& saved, int x, int y) override {
        record(PrintOperation::Kind::PaintRectangle, x, y, x + saved.width() - 1, y + saved.height() - 1);
    }
    Rgb pixel(int, int) const override { throw std::logic_error("a printed page cannot be read back"); }
    void clear(Rgb c) override {
        if (PrintOperation* op = record(PrintOperation::Kind::Clear, 0, 0, width_ - 1, height_ - 1)) op->background = c;
    }

private:
    // The operation as recorded, or nullptr once the page has failed.
    PrintOperation* record(PrintOperation::Kind kind, int x1, int y1, int x2, int y2) {
        if (failAfter_ >= 0 && calls_++ >= failAfter_) job_.failed = true;
        if (job_.failed) return nullptr;
        job_.operations.push_back({kind,
                                   x1,
                                   y1,
                                   x2,
                                   y2,
                                   foreground(),
                                   background(),
                                   lineWidth(),
                                   fill(),
                                   mixMode(),
                                   textBackground(),
                                   font(),
                                   {}});
        return &job_.operations.back();
    }

    PrintJob& job_;
    int width_, height_, dotsPerInch_, failAfter_;
    int calls_ = 0;
};

RecordingPrinter::RecordingPrinter(std::shared_ptr<PrintJob> job, int width, int height, int dotsPerInch, int failAfter)
    : job_(std::move(job)), page_(std::make_unique<Page>(*job_, width, height, dotsPerInch, failAfter)) {}

RecordingPrinter::~RecordingPrinter() = default;

int RecordingPrinter::pageWidth() const { return page_->width(); }
int RecordingPrinter::pageHeight() const { return page_->height(); }
Surface& RecordingPrinter::page() { return *page_; }

bool RecordingPrinter::finish() {
    job_->finished = true;
    return !job_->failed;
}

} // namespace quintaro::platform
