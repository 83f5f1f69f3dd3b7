// Qt side of the font requests: turns a FontRequest into a QFont of a fixed pixel size, without antialiasing.
#pragma once

#include "platform/font_request.h"

#include <QFont>
#include <QString>

namespace quintaro::platform {

// The installed family that stands in for a face the game asks for.
QString familyFor(const std::string& face);

// Pixel size chosen so that ascent + descent is at most request.height (or the point size at 96 dpi),
// stretched so that the average character width matches request.width when it is given.
QFont resolveFont(const FontRequest& request);

} // namespace quintaro::platform
