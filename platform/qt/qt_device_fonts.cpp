// Device fonts: a point size is rescaled so that the screen's conversion at 96 dpi gives the device's pixels.
#include "platform/qt/qt_device_fonts.h"

#include "platform/qt_fonts.h"

namespace quintaro::platform {

QFont resolveFontAt(const FontRequest& request, int dotsPerInch) {
    FontRequest scaled = request;
    if (scaled.pointSize > 0) scaled.pointSize *= dotsPerInch / 96.0;
    return resolveFont(scaled);
}

} // namespace quintaro::platform
