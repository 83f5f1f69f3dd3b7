// The client area's scale and placement, and pointer positions mapped back to game pixels.
#include "platform/window_scale.h"

#include <algorithm>
#include <cmath>

namespace quintaro::platform {

namespace {

constexpr double kSmallestFactor = 1.0 / 64;
constexpr double kZoomStep = 0.25;
constexpr double kSmallestZoom = 0.5;
// Keeps exact products (2 x 3 = 6, 1052 x 1.25) from landing a hair below a whole number.
constexpr double kBias = 1e-6;

} // namespace

int gamePixelAt(int d, double scale) {
    int v = int(std::floor((scale < 1 ? d + 0.5 : d) / scale));
    // The division may land one block off where the edges were rounded; the edges decide.
    while (deviceEdge(v + 1, scale) <= d) ++v;
    while (deviceEdge(v, scale) > d) --v;
    return v;
}

ScaledArea fitArea(int gameWidth, int gameHeight, int windowWidth, int windowHeight, double pixelRatio) {
    const double ratio = std::isfinite(pixelRatio) && pixelRatio > 0 ? pixelRatio : 1.0;
    const double factor =
        std::max(kSmallestFactor, std::min(double(windowWidth) / gameWidth, double(windowHeight) / gameHeight));
    ScaledArea area;
    area.factor = factor;
    area.scale = factor * ratio;
    area.width = deviceSize(gameWidth, area.scale);
    area.height = deviceSize(gameHeight, area.scale);
    // Centred in the window's device pixels; a window too small for the smallest factor shows its corner.
    area.left = std::max(0, (int(std::lround(windowWidth * ratio)) - area.width) / 2);
    area.top = std::max(0, (int(std::lround(windowHeight * ratio)) - area.height) / 2);
    return area;
}

GamePoint gamePointAt(const ScaledArea& area, double x, double y, double pixelRatio, int gameWidth, int gameHeight) {
    const double ratio = std::isfinite(pixelRatio) && pixelRatio > 0 ? pixelRatio : 1.0;
    if (!std::isfinite(x) || !std::isfinite(y)) return {};
    // The device pixel the pointer is on, then the game pixel that covers it.
    const double dx = std::clamp(std::floor(x * ratio + kBias), -1e6, 1e6) - area.left;
    const double dy = std::clamp(std::floor(y * ratio + kBias), -1e6, 1e6) - area.top;
    GamePoint p;
    p.x = gamePixelAt(int(dx), area.scale);
    p.y = gamePixelAt(int(dy), area.scale);
    p.inside = p.x >= 0 && p.y >= 0 && p.x < gameWidth && p.y < gameHeight;
    return p;
}

double zoomedIn(double factor, double largest) {
    const double next = (std::floor(factor / kZoomStep + kBias) + 1) * kZoomStep;
    return std::max(factor, std::min(next, std::max(largest, kSmallestZoom)));
}

double zoomedOut(double factor) {
    const double next = (std::ceil(factor / kZoomStep - kBias) - 1) * kZoomStep;
    return std::min(factor, std::max(next, kSmallestZoom));
}

int windowSizeFor(int gameSize, double factor) { return int(std::ceil(gameSize * factor - kBias)); }

} // namespace quintaro::platform
