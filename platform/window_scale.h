// The game's client area scaled into a window of any size: one factor, centred, on whole device pixels.
#pragma once

#include <algorithm>
#include <cmath>

namespace quintaro::platform {

// Game pixel v covers the device pixels deviceEdge(v, scale) .. deviceEdge(v + 1, scale) - 1, at `scale`
// device pixels per game pixel. From scale 1 up every game pixel has a block of its own; below 1 each
// device pixel belongs to the game pixel under its centre, and some game pixels get none.
inline int deviceEdge(int v, double scale) {
    // The bias keeps exact products (2 x 3 = 6, 1052 x 1.25) from landing a hair off a whole number.
    constexpr double kBias = 1e-6;
    return scale >= 1 ? int(std::floor(v * scale + kBias)) : int(std::ceil(v * scale - 0.5 - kBias));
}

// Past the last device pixel game pixel v is drawn on: its block, or below scale 1 at least the device
// pixel its block begins at, so that no line vanishes.
inline int deviceEnd(int v, double scale) { return std::max(deviceEdge(v + 1, scale), deviceEdge(v, scale) + 1); }

// The device pixels that hold `size` game pixels (at least 1), the last one drawn included.
inline int deviceSize(int size, double scale) { return size < 1 ? 1 : deviceEnd(size - 1, scale); }

// The game pixel under device pixel d (d counted from the area's edge): the one whose block holds it.
// Outside the area the answer lies outside it too.
int gamePixelAt(int d, double scale);

// Where the game's area lies in a window, in the window's device pixels.
struct ScaledArea {
    double factor = 1; // window (logical) pixels per game pixel
    double scale = 1;  // device pixels per game pixel: factor x the screen's device pixel ratio
    int left = 0, top = 0;
    int width = 0, height = 0;
    friend bool operator==(const ScaledArea&, const ScaledArea&) = default;
};

// The largest area of the game's proportions that fits a window of windowWidth x windowHeight logical
// pixels on a screen of that device pixel ratio, centred on whole device pixels. Needs a game size of at
// least 1 x 1; a window of no size, or a ratio that is not positive, gives factor 1/64 at ratio 1.
ScaledArea fitArea(int gameWidth, int gameHeight, int windowWidth, int windowHeight, double pixelRatio);

// The game pixel under a window position in logical pixels (fractions allowed), and whether it lies in
// the game's area of gameWidth x gameHeight.
struct GamePoint {
    int x = 0, y = 0;
    bool inside = false;
};
GamePoint gamePointAt(const ScaledArea& area, double x, double y, double pixelRatio, int gameWidth, int gameHeight);

// The zoom keys' steps: quarters from 1/2 up to `largest` (what the screen holds, at least 1/2).
double zoomedIn(double factor, double largest);
double zoomedOut(double factor);

// The window size (logical pixels) that shows a game of gameSize pixels at this factor: rounded up, so
// that fitting the area back into it gives the factor again.
int windowSizeFor(int gameSize, double factor);

} // namespace quintaro::platform
