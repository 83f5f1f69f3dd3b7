// The printer without a device: every drawing call on its page is recorded, nothing is rendered.
#pragma once

#include "platform/printer.h"

#include <memory>
#include <string>
#include <vector>

namespace quintaro::platform {

// One drawing call on the page with the drawing state it used.
struct PrintOperation {
    enum class Kind { Line, Rectangle, FilledRectangle, Text, PaintRectangle, Clear } kind = Kind::Line;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Text: its top-left corner in (x1, y1); PaintRectangle, Clear: the area
    Rgb foreground, background;         // Clear: its colour in background
    int lineWidth = 1;
    bool fill = false;
    MixMode mixMode = MixMode::Copy;
    TextBackground textBackground = TextBackground::Opaque;
    FontRequest font;
    std::string text;
    friend bool operator==(const PrintOperation&, const PrintOperation&) = default;
};

// One document as the platform was asked for it, and what became of it.
struct PrintJob {
    std::string documentName;
    PrintStart start = PrintStart::Started;
    std::vector<PrintOperation> operations; // the calls that reached the page, in order
    bool failed = false, finished = false, aborted = false;
};

// A page of width x height device pixels at dotsPerInch (fonts in points are measured at that
// resolution). From the drawing call after the first `failAfter` ones on (never when negative), the
// page fails: the call and all later ones are dropped, and failed() is true.
class RecordingPrinter final : public Printer {
public:
    RecordingPrinter(std::shared_ptr<PrintJob> job, int width, int height, int dotsPerInch, int failAfter);
    ~RecordingPrinter() override;

    int pageWidth() const override;
    int pageHeight() const override;
    Surface& page() override;
    bool failed() const override { return job_->failed; }
    // False when the page failed; the document counts as finished either way.
    bool finish() override;
    void abort() override { job_->aborted = true; }

private:
    class Page;
    std::shared_ptr<PrintJob> job_;
    std::unique_ptr<Page> page_;
};

} // namespace quintaro::platform
