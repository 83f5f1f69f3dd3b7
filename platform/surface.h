// The drawing surface of the main window and the printer page: the game's drawing state and primitives.
#pragma once

#include "platform/font_request.h"
#include "platform/rgb.h"
#include "platform/saved_rectangle.h"

#include <string>

namespace quintaro::platform {

enum class MixMode { Copy, Merge, Xor }; // Merge = bitwise OR with what is there
enum class TextBackground { Transparent, Opaque };

// Pixel rules, the same on every surface:
// - a line (x1, y1)-(x2, y2) covers both end points and the pixels between (Bresenham);
//   a line of width w paints a w x w square at every one of them, reaching floor(w/2) pixels
//   to the left of and above each point and floor((w-1)/2) to the right and below (width 2: p-1 and p);
// - a rectangle (x1, y1)-(x2, y2) has its outline on the columns x1 and x2 and the rows y1 and y2,
//   in the current line width, so neighbouring cells that share a corner coordinate share a line;
// - the mix mode acts on lines and rectangles; each pixel of one primitive is mixed exactly once;
// - text is always drawn plainly in the foreground colour, without antialiasing, over what is there;
//   with an opaque text background its advance box is filled with the background colour first.
class Surface {
public:
    virtual ~Surface() = default;

    void setForeground(Rgb c) { foreground_ = c; }
    void setBackground(Rgb c) { background_ = c; }
    void setLineWidth(int w) { lineWidth_ = w < 1 ? 1 : w; }
    void setFill(bool on) { fill_ = on; }
    void setMixMode(MixMode m) { mixMode_ = m; }
    void setTextBackground(TextBackground t) { textBackground_ = t; }
    void setFont(const FontRequest& f) { font_ = f; }

    Rgb foreground() const { return foreground_; }
    Rgb background() const { return background_; }
    int lineWidth() const { return lineWidth_; }
    bool fill() const { return fill_; }
    MixMode mixMode() const { return mixMode_; }
    TextBackground textBackground() const { return textBackground_; }
    const FontRequest& font() const { return font_; }

    virtual int width() const = 0;
    virtual int height() const = 0;

    // A line in the foreground colour, current width and mix mode.
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    // The outline only, in the foreground colour, whatever the fill setting.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // The outline in the foreground colour and, when fill is on, the inside in the background colour.
    virtual void filledRectangle(int x1, int y1, int x2, int y2) = 0;
    // Text (UTF-8) with the top-left corner of its line box at (x, y), in the current font.
    virtual void text(int x, int y, const std::string& utf8) = 0;
    // Width in pixels that text() would advance with the current font.
    virtual int textWidth(const std::string& utf8) const = 0;

    // The pixels of (x1, y1)-(x2, y2), both corners included.
    virtual SavedRectangle saveRectangle(int x1, int y1, int x2, int y2) const = 0;
    // Paints a saved rectangle back with its top-left corner at (x, y), plainly (no mix mode).
    virtual void paintRectangle(const SavedRectangle& saved, int x, int y) = 0;

    // The colour at (x, y); throws std::out_of_range outside the surface.
    virtual Rgb pixel(int x, int y) const = 0;
    // Fills the whole surface with one colour (a window's background).
    virtual void clear(Rgb c) = 0;

private:
    Rgb foreground_{0, 0, 0};
    Rgb background_{255, 255, 255};
    int lineWidth_ = 1;
    bool fill_ = true;
    MixMode mixMode_ = MixMode::Copy;
    TextBackground textBackground_ = TextBackground::Opaque;
    FontRequest font_ = FontRequest::points("System", 9.75, 700);
};

} // namespace quintaro::platform
