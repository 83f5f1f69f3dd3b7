// The game's client area scaled into a window of any size: one factor, centred, on whole device pixels.
#pragma once

namespace quintaro::platform {

// Game pixel v covers the device pixels deviceEdge(v, scale) .. deviceEdge(v + 1, scale) - 1, at `scale`
// device pixels per game pixel; below scale 1 neighbouring game pixels may share one device pixel.
int deviceEdge(int v, double scale);

// The game pixel under device pixel d (d counted from the area's edge): the one whose block holds it, or
// below scale 1 the one under the device pixel's centre. Outside the area the answer lies outside it too.
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
