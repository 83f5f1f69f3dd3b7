// Font requests resolved for a device of another resolution than the screen, such as a printer.
#pragma once

#include "platform/font_request.h"

#include <QFont>

namespace quintaro::platform {

// Like resolveFont, but a size in points becomes pixels at dotsPerInch (a 20-point font is 333 pixels
// at 1200 dots per inch); a size in pixels stays the device pixels it names.
QFont resolveFontAt(const FontRequest& request, int dotsPerInch);

} // namespace quintaro::platform
