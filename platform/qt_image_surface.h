// Qt side of ImageSurface: the image the window paints on demand.
#pragma once

#include "platform/image_surface.h"

#include <QImage>

namespace quintaro::platform {

const QImage& imageOf(const ImageSurface& surface);

} // namespace quintaro::platform
