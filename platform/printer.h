// A print document of one page, drawn through the same surface type as the window.
#pragma once

#include "platform/surface.h"

namespace quintaro::platform {

enum class PrintStart { Started, Cancelled, Failed };

// Fonts in points are converted at the printer's resolution. A drawing call that fails does not
// throw: failed() turns true and stays so.
class Printer {
public:
    virtual ~Printer() = default;
    // The printable area in device pixels.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    virtual Surface& page() = 0;
    virtual bool failed() const = 0;
    // Ends the page and the document; false when the printer reported a failure.
    virtual bool finish() = 0;
    // Drops the unfinished document: nothing is printed.
    virtual void abort() = 0;
};

} // namespace quintaro::platform
