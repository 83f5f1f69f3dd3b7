// The image surface: lines and rectangles rasterised pixel by pixel (exact, mixable), text through QPainter;
// each game pixel is a block of device pixels (below 100 %, the device pixels under it). What is drawn is
// also kept as a list of steps, so that a new resolution draws it all again sharp.
#include "platform/image_surface.h"

#include "platform/qt_fonts.h"
#include "platform/qt_image_surface.h"
#include "platform/window_scale.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace quintaro::platform {

namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// Game pixels to device pixels.
struct PixelScale {
    double ratio = 1.0;
    // The first device pixel of game pixel v; the block of v ends where the block of v + 1 begins.
    int edge(int v) const { return deviceEdge(v, ratio); }
    // Past the last device pixel a line through v covers: at least one, below 100 % too.
    int end(int v) const { return deviceEnd(v, ratio); }
};

// A box of game pixels, both corners included; empty when left > right or top > bottom.
struct Box {
    int left, top, right, bottom;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool contains(const Box& b) const { return contains(b.left, b.top) && contains(b.right, b.bottom); }
    bool meets(const Box& b) const { return left <= b.right && b.left <= right && top <= b.bottom && b.top <= bottom; }
    bool empty() const { return left > right || top > bottom; }
    Box shifted(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Box cut(const Box& b) const {
        return {std::max(left, b.left), std::max(top, b.top), std::min(right, b.right), std::min(bottom, b.bottom)};
    }
};

constexpr Box kNoBox{0, 0, -1, -1};
constexpr Box kEverywhere{-(1 << 29), -(1 << 29), 1 << 29, 1 << 29};

Box spanning(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// Absurd ratios would ask for a huge image; below one half the canvas shrinks what is drawn at one half.
double usableRatio(double ratio) { return std::isfinite(ratio) ? std::clamp(ratio, 0.5, 8.0) : 1.0; }

std::uint32_t packed(Rgb c) { return (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b; }

std::uint32_t mixed(std::uint32_t dst, std::uint32_t src, MixMode mode) {
    switch (mode) {
    case MixMode::Merge:
        return (dst | src) & kRgbMask;
    case MixMode::Xor:
        return (dst ^ src) & kRgbMask;
    case MixMode::Copy:
        break;
    }
    return src;
}

// Below 100 % a device pixel remembers the game pixel of the line last drawn on it (0 for none): a fill
// beside that line shares the device pixel with it but must not wipe the line out.
std::uint32_t lineMark(int x, int y) { return std::uint32_t(x + 1) | (std::uint32_t(y + 1) << 16); }
bool markInside(std::uint32_t mark, const Box& b) { return b.contains(int(mark & 0xFFFF) - 1, int(mark >> 16) - 1); }

// The pixels one primitive covers, each device pixel mixed exactly once: outline points first, then the
// fill for every device pixel of the fill box that no outline point claimed. Reused from one primitive to
// the next, so that drawing allocates nothing once it has warmed up.
class Coverage {
public:
    void reset() {
        points_.clear();
        hasFill_ = false;
    }

    void addLine(int x1, int y1, int x2, int y2, int width, std::uint32_t colour) {
        const int before = width / 2;
        const int after = (width - 1) / 2;
        const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
        const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
        int err = dx + dy;
        for (int x = x1, y = y1;;) {
            for (int oy = -before; oy <= after; ++oy)
                for (int ox = -before; ox <= after; ++ox) points_.push_back({x + ox, y + oy, colour});
            if (x == x2 && y == y2) break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
    }

    void addOutline(int x1, int y1, int x2, int y2, int width, std::uint32_t colour) {
        addLine(x1, y1, x2, y1, width, colour);
        addLine(x2, y1, x2, y2, width, colour);
        addLine(x2, y2, x1, y2, width, colour);
        addLine(x1, y2, x1, y1, width, colour);
    }

    void setFill(int x1, int y1, int x2, int y2, std::uint32_t colour) {
        fill_ = spanning(x1, y1, x2, y2);
        fillColour_ = colour;
        hasFill_ = true;
    }

    // Applies the covered pixels that lie inside the clip (within the surface) to the image; `marks` is
    // the line mark of every device pixel, or empty at 100 % and above. Returns the touched game box.
    Box apply(QImage& image, std::vector<std::uint32_t>& marks, Box clip, PixelScale scale, MixMode mode) {
        Box box{clip.right + 1, clip.bottom + 1, clip.left - 1, clip.top - 1};
        for (const Point& p : points_) {
            box.left = std::min(box.left, p.x), box.right = std::max(box.right, p.x);
            box.top = std::min(box.top, p.y), box.bottom = std::max(box.bottom, p.y);
        }
        if (hasFill_) {
            box.left = std::min(box.left, fill_.left), box.right = std::max(box.right, fill_.right);
            box.top = std::min(box.top, fill_.top), box.bottom = std::max(box.bottom, fill_.bottom);
        }
        box = box.cut(clip);
        if (box.empty()) return kNoBox;
        // The device pixels of the box, each with the colour it gets and, for a line, its mark.
        const int left = scale.edge(box.left), top = scale.edge(box.top);
        const int right = std::min(scale.end(box.right), image.width());
        const int bottom = std::min(scale.end(box.bottom), image.height());
        if (left >= right || top >= bottom) return kNoBox;
        const int w = right - left;
        slots_.assign(std::size_t(w) * std::size_t(bottom - top), Slot{});
        for (const Point& p : points_) {
            if (!box.contains(p.x, p.y)) continue;
            const std::uint32_t mark = lineMark(p.x, p.y);
            for (int y = scale.edge(p.y); y < std::min(scale.end(p.y), bottom); ++y)
                for (int x = scale.edge(p.x); x < std::min(scale.end(p.x), right); ++x)
                    slots_[std::size_t(y - top) * w + std::size_t(x - left)] = {p.colour, mark, true};
        }
        if (hasFill_) {
            const Box f = fill_.cut(box);
            const int fillBottom = std::min(scale.edge(f.bottom + 1), bottom);
            const int fillRight = std::min(scale.edge(f.right + 1), right);
            for (int y = scale.edge(f.top); y < fillBottom; ++y)
                for (int x = scale.edge(f.left); x < fillRight; ++x) {
                    Slot& s = slots_[std::size_t(y - top) * w + std::size_t(x - left)];
                    if (s.used) continue;
                    // A line beside the fill that shares this device pixel keeps it.
                    if (!marks.empty() && marks[std::size_t(y) * image.width() + x] != 0 &&
                        !markInside(marks[std::size_t(y) * image.width() + x], fill_))
                        continue;
                    s = {fillColour_, 0, true};
                }
        }
        for (int y = top; y < bottom; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            const Slot* from = &slots_[std::size_t(y - top) * w];
            for (int x = left; x < right; ++x, ++from) {
                if (!from->used) continue;
                row[x] = 0xFF000000u | mixed(row[x] & kRgbMask, from->colour, mode);
                if (!marks.empty()) marks[std::size_t(y) * image.width() + x] = from->mark;
            }
        }
        return box;
    }

private:
    struct Point {
        int x, y;
        std::uint32_t colour;
    };
    struct Slot {
        std::uint32_t colour = 0;
        std::uint32_t mark = 0;
        bool used = false;
    };
    std::vector<Point> points_;
    std::vector<Slot> slots_;
    Box fill_{};
    std::uint32_t fillColour_ = 0;
    bool hasFill_ = false;
};

enum class OpKind { Line, Outline, Filled, Fill, Text, Paint }; // Fill: the box alone, in the background colour

// One drawing step as it was asked for, with the drawing state it was drawn in.
struct DrawOp {
    OpKind kind = OpKind::Line;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a painted rectangle's corner is (x1, y1)
    Rgb foreground, background;
    int lineWidth = 1;
    bool fill = true;
    MixMode mix = MixMode::Copy;
    TextBackground textBackground = TextBackground::Opaque;
    FontRequest font;
    std::string text;
    std::shared_ptr<const SavedRectangle> saved; // pixels only, never a drawing: no chains of drawings
    Box clip = kEverywhere;                      // a step painted back from a saved drawing stays in its box
};

// Past this many steps, once the hidden ones are dropped, the list gives way to a copy of the pixels:
// memory stays bounded, and only a change of resolution after that shows the older drawing resampled.
constexpr std::size_t kMostKeptOps = 20000;
// The hidden steps are dropped when the list has doubled since the last time, and not before this size.
constexpr std::size_t kFirstPrune = 2048;

DrawOp opOf(OpKind kind, const Surface& s, int x1, int y1, int x2, int y2) {
    DrawOp op;
    op.kind = kind;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    op.foreground = s.foreground();
    op.background = s.background();
    op.lineWidth = s.lineWidth();
    op.fill = s.fill();
    op.mix = s.mixMode();
    op.textBackground = s.textBackground();
    return op;
}

// Every game pixel a line or rectangle may touch.
Box boundsOf(const DrawOp& op) {
    const int before = op.lineWidth / 2, after = (op.lineWidth - 1) / 2;
    const Box b = spanning(op.x1, op.y1, op.x2, op.y2);
    return {b.left - before, b.top - before, b.right + after, b.bottom + after};
}

// The box a step paints over completely, whatever was there; empty for the others.
Box coverOf(const DrawOp& op, const Box& bounds) {
    if ((op.kind == OpKind::Filled && op.fill && op.mix == MixMode::Copy) || op.kind == OpKind::Fill)
        return spanning(op.x1, op.y1, op.x2, op.y2).cut(op.clip);
    if (op.kind == OpKind::Paint) return bounds;
    return kNoBox;
}

// The later covers while the list is walked backwards, filed by 64-pixel tiles: a step is hidden when a
// cover filed under the tile of its top-left corner holds it.
class CoverIndex {
public:
    CoverIndex(int width, int height)
        : columns_(width / kTile + 1), rows_(height / kTile + 1), tiles_(columns_ * rows_) {}

    bool hides(const Box& b) const {
        for (const Box& cover : tiles_[tileOf(b.left, b.top)])
            if (cover.contains(b)) return true;
        return false;
    }

    void add(const Box& cover) {
        for (int r = row(cover.top); r <= row(cover.bottom); ++r)
            for (int c = column(cover.left); c <= column(cover.right); ++c)
                tiles_[std::size_t(r) * columns_ + c].push_back(cover);
    }

private:
    static constexpr int kTile = 64;
    int column(int x) const { return std::clamp(x / kTile, 0, columns_ - 1); }
    int row(int y) const { return std::clamp(y / kTile, 0, rows_ - 1); }
    std::size_t tileOf(int x, int y) const { return std::size_t(row(y)) * columns_ + column(x); }
    int columns_, rows_;
    std::vector<std::vector<Box>> tiles_;
};

} // namespace

// The steps that touched a saved rectangle, in order, over the colour the surface was cleared to.
struct SavedDrawing {
    Rgb base;
    Box box;
    std::vector<DrawOp> ops;
    std::vector<Box> bounds;
    const void* surface = nullptr; // where it was saved, and which save there it was
    std::uint64_t save = 0;
};

struct ImageSurface::Impl {
    QImage image;
    int width = 0, height = 0; // in game pixels
    PixelScale scale;
    std::function<void(int, int, int, int)> listener;
    std::vector<std::pair<FontRequest, QFont>> fonts;
    Rgb base{255, 255, 255};
    // What was drawn since the last clear, and the game pixels each step may touch; the steps hidden by
    // later ones are dropped now and then.
    std::vector<DrawOp> ops;
    std::vector<Box> bounds;
    std::size_t pruneAt = kFirstPrune;
    std::vector<std::uint32_t> marks; // below 100 %: the line mark of every device pixel
    Coverage coverage;
    // The last save: its number (0 once the list no longer holds what it was) and how many steps the
    // list held then. Painted back where it was, it takes the list back there instead of adding to it.
    std::uint64_t lastSave = 0, saves = 0;
    std::size_t stepsAtSave = 0;

    const QFont& font(const FontRequest& request) {
        const auto it =
            std::find_if(fonts.begin(), fonts.end(), [&](const auto& known) { return known.first == request; });
        if (it != fonts.end()) return it->second;
        return fonts.emplace_back(request, resolveFont(request)).second;
    }

    Box whole() const { return {0, 0, width - 1, height - 1}; }

    void changed(int x, int y, int w, int h) const {
        if (listener && w > 0 && h > 0) listener(x, y, w, h);
    }

    // A fresh image at the current scale, in the colour the surface was cleared to.
    void resetImage() {
        image = QImage(deviceSize(width, scale.ratio), deviceSize(height, scale.ratio), QImage::Format_RGB32);
        // QPainter takes no ratio below 1 from the image; text is scaled by hand there.
        image.setDevicePixelRatio(std::max(1.0, scale.ratio));
        image.fill(QColor(base.r, base.g, base.b));
        marks.assign(scale.ratio < 1 ? std::size_t(image.width()) * std::size_t(image.height()) : 0, 0);
    }

    void apply(MixMode mode, Box clip) {
        const Box b = coverage.apply(image, marks, clip.cut(whole()), scale, mode);
        changed(b.left, b.top, b.right - b.left + 1, b.bottom - b.top + 1);
    }

    void fillBox(Box b, std::uint32_t colour, Box clip, MixMode mode = MixMode::Copy) {
        coverage.reset();
        coverage.setFill(b.left, b.top, b.right, b.bottom, colour);
        apply(mode, clip);
    }

    // Draws the step inside the clip only.
    void draw(const DrawOp& op, Box clip) {
        clip = clip.cut(op.clip);
        const std::uint32_t colour = packed(op.foreground);
        coverage.reset();
        switch (op.kind) {
        case OpKind::Line:
            coverage.addLine(op.x1, op.y1, op.x2, op.y2, op.lineWidth, colour);
            return apply(op.mix, clip);
        case OpKind::Outline:
            coverage.addOutline(op.x1, op.y1, op.x2, op.y2, op.lineWidth, colour);
            return apply(op.mix, clip);
        case OpKind::Filled:
            // Outlined in its own colour it is a plain fill, which leaves a line beside it alone below 100 %.
            if (op.fill && op.foreground == op.background) return fillBox(boundsOf(op), colour, clip, op.mix);
            coverage.addOutline(op.x1, op.y1, op.x2, op.y2, op.lineWidth, colour);
            if (op.fill) coverage.setFill(op.x1, op.y1, op.x2, op.y2, packed(op.background));
            return apply(op.mix, clip);
        case OpKind::Fill:
            return fillBox(spanning(op.x1, op.y1, op.x2, op.y2), packed(op.background), clip);
        case OpKind::Text:
            return drawText(op, clip);
        case OpKind::Paint:
            return paintPixels(*op.saved, op.x1, op.y1, clip);
        }
    }

    void drawText(const DrawOp& op, Box clip) {
        const QString s = QString::fromStdString(op.text);
        const QFont& font = this->font(op.font);
        const QFontMetrics metrics(font);
        const int w = metrics.horizontalAdvance(s);
        // The line box is the cell height the game asked for; the font was sized to fit inside it.
        const int h = op.font.height > 0 ? op.font.height : metrics.height();
        // The box on whole device pixels, as a filled rectangle covers them.
        if (op.textBackground == TextBackground::Opaque && w > 0 && h > 0)
            fillBox({op.x1, op.y1, op.x1 + w - 1, op.y1 + h - 1}, packed(op.background), clip);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            if (scale.ratio < 1) painter.scale(scale.ratio, scale.ratio);
            if (!clip.contains(whole())) {
                // On the device pixels of the clip's game pixels, as the other primitives cover them.
                const int left = scale.edge(clip.left), top = scale.edge(clip.top);
                painter.setClipRect(QRectF(left / scale.ratio, top / scale.ratio,
                                           (scale.edge(clip.right + 1) - left) / scale.ratio,
                                           (scale.edge(clip.bottom + 1) - top) / scale.ratio));
            }
            const Rgb f = op.foreground;
            painter.setPen(QColor(f.r, f.g, f.b));
            painter.setFont(font);
            painter.drawText(op.x1, op.y1 + metrics.ascent(), s);
        }
        // Glyphs may overhang their advance a little; repaint a slightly larger box.
        changed(op.x1 - 4, op.y1, w + 8, h);
    }

    // The saved pixels with their top-left corner at (x, y), resampled where the resolution differs.
    void paintPixels(const SavedRectangle& saved, int x, int y, Box clip) {
        const int deviceLeft = scale.edge(x), deviceTop = scale.edge(y);
        const int dw = scale.edge(x + saved.width()) - deviceLeft;
        const int dh = scale.edge(y + saved.height()) - deviceTop;
        if (saved.empty() || dw <= 0 || dh <= 0 ||
            saved.pixels().size() < std::size_t(saved.deviceWidth()) * std::size_t(std::max(0, saved.deviceHeight())))
            return;
        const Box target = Box{x, y, x + saved.width() - 1, y + saved.height() - 1}.cut(clip).cut(whole());
        if (target.empty()) return;
        const int clipTop = std::max(0, scale.edge(target.top)), clipBottom = scale.edge(target.bottom + 1);
        const int clipLeft = std::max(0, scale.edge(target.left)), clipRight = scale.edge(target.right + 1);
        for (int iy = clipTop; iy < std::min(image.height(), clipBottom); ++iy) {
            const std::size_t source = std::size_t(std::int64_t(iy - deviceTop) * saved.deviceHeight() / dh) *
                                       std::size_t(saved.deviceWidth());
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(iy));
            for (int ix = clipLeft; ix < std::min(image.width(), clipRight); ++ix) {
                row[ix] =
                    0xFF000000u |
                    saved.pixels()[source + std::size_t(std::int64_t(ix - deviceLeft) * saved.deviceWidth() / dw)];
                if (!marks.empty()) marks[std::size_t(iy) * image.width() + ix] = 0;
            }
        }
        changed(target.left, target.top, target.right - target.left + 1, target.bottom - target.top + 1);
    }

    // Keeps a step that was drawn; now and then drops those hidden by later ones.
    void keep(DrawOp op, Box b) {
        b = b.cut(op.clip).cut(whole());
        if (b.empty()) return;
        ops.push_back(std::move(op));
        bounds.push_back(b);
        if (ops.size() >= pruneAt) prune();
    }

    void drawAndKeep(DrawOp op, Box b) {
        draw(op, whole());
        keep(std::move(op), b);
    }

    // Drops every step that a later one paints over completely; past kMostKeptOps what is left becomes
    // one copy of the pixels.
    void prune() {
        CoverIndex covers(width, height);
        std::vector<bool> hidden(ops.size(), false);
        for (std::size_t i = ops.size(); i-- > 0;) {
            // What the last save holds is dropped only where it was hidden when it was saved.
            if (lastSave != 0 && i + 1 == stepsAtSave) covers = CoverIndex(width, height);
            if (covers.hides(bounds[i])) {
                hidden[i] = true;
                continue;
            }
            if (const Box cover = coverOf(ops[i], bounds[i]); !cover.empty()) covers.add(cover);
        }
        std::size_t kept = 0, keptAtSave = 0;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            if (i == stepsAtSave) keptAtSave = kept;
            if (hidden[i]) continue;
            if (kept != i) {
                ops[kept] = std::move(ops[i]);
                bounds[kept] = bounds[i];
            }
            ++kept;
        }
        stepsAtSave = stepsAtSave >= ops.size() ? kept : keptAtSave;
        ops.resize(kept);
        bounds.resize(kept);
        if (ops.size() > kMostKeptOps) {
            lastSave = 0;
            DrawOp copy;
            copy.kind = OpKind::Paint;
            copy.saved = std::make_shared<const SavedRectangle>(pixelsOf(whole(), nullptr));
            ops.assign(1, std::move(copy));
            bounds.assign(1, whole());
        }
        pruneAt = std::max(kFirstPrune, 2 * ops.size());
    }

    SavedRectangle pixelsOf(Box b, std::shared_ptr<const SavedDrawing> drawing) const {
        const int w = b.right - b.left + 1, h = b.bottom - b.top + 1;
        const int deviceLeft = scale.edge(b.left), deviceTop = scale.edge(b.top);
        const int dw = scale.edge(b.left + w) - deviceLeft, dh = scale.edge(b.top + h) - deviceTop;
        std::vector<std::uint32_t> pixels(std::size_t(dw) * std::size_t(dh), 0);
        for (int y = std::max(0, deviceTop); y < std::min(deviceTop + dh, image.height()); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = std::max(0, deviceLeft); x < std::min(deviceLeft + dw, image.width()); ++x)
                pixels[std::size_t(y - deviceTop) * dw + std::size_t(x - deviceLeft)] = row[x] & kRgbMask;
        }
        return SavedRectangle(w, h, dw, dh, std::move(pixels), std::move(drawing));
    }

    // A saved drawing painted back with its top-left corner at (x, y): its steps join the list, moved
    // there and kept inside the box, and are drawn again unless the saved pixels fit this resolution.
    // Takes the list back to the last save when the saved rectangle goes back where it came from and what
    // was drawn since lies inside it (it goes) or away from it (it stays); false when it cannot.
    bool restoreSave(const SavedDrawing& drawing, int x, int y) {
        if (drawing.surface != this || drawing.save != lastSave || lastSave == 0 || x != drawing.box.left ||
            y != drawing.box.top || stepsAtSave > ops.size())
            return false;
        for (std::size_t i = stepsAtSave; i < ops.size(); ++i)
            if (bounds[i].meets(drawing.box) && !drawing.box.contains(bounds[i])) return false;
        std::size_t kept = stepsAtSave;
        for (std::size_t i = stepsAtSave; i < ops.size(); ++i) {
            if (drawing.box.contains(bounds[i])) continue;
            ops[kept] = std::move(ops[i]);
            bounds[kept++] = bounds[i];
        }
        ops.resize(kept);
        bounds.resize(kept);
        return true;
    }

    void paintDrawing(const SavedRectangle& saved, int x, int y) {
        const SavedDrawing& drawing = *saved.drawing();
        if (restoreSave(drawing, x, y)) {
            const Box target = drawing.box.cut(whole());
            const bool pixelsFit = scale.ratio >= 1 && !saved.empty() &&
                                   scale.edge(x + saved.width()) - scale.edge(x) == saved.deviceWidth() &&
                                   scale.edge(y + saved.height()) - scale.edge(y) == saved.deviceHeight();
            if (pixelsFit) return paintPixels(saved, x, y, whole());
            // At another resolution, or below 100 % where the lines' marks come back only with the steps.
            fillBox(target, packed(base), target);
            for (std::size_t i = 0; i < ops.size(); ++i)
                if (bounds[i].meets(target)) draw(ops[i], target);
            return;
        }
        const int dx = x - drawing.box.left, dy = y - drawing.box.top;
        const Box target{x, y, x + saved.width() - 1, y + saved.height() - 1};
        const int dw = scale.edge(x + saved.width()) - scale.edge(x);
        const int dh = scale.edge(y + saved.height()) - scale.edge(y);
        // Below 100 % the lines' marks are known only from the steps.
        const bool pixelsFit =
            scale.ratio >= 1 && !saved.empty() && dw == saved.deviceWidth() && dh == saved.deviceHeight();
        if (pixelsFit) paintPixels(saved, x, y, whole());
        auto put = [&](DrawOp op, Box b) {
            if (!pixelsFit) draw(op, whole());
            keep(std::move(op), b);
        };
        // What lay outside the surface was saved as black, the rest on the colour it was cleared to.
        auto ground = [&](Box b, Rgb colour) {
            DrawOp op;
            op.kind = OpKind::Fill;
            op.background = colour;
            op.x1 = b.left, op.y1 = b.top, op.x2 = b.right, op.y2 = b.bottom;
            put(std::move(op), b);
        };
        const Box inside = drawing.box.cut(whole()).shifted(dx, dy).cut(target);
        if (inside.empty() || !inside.contains(target.cut(whole()))) ground(target, Rgb{0, 0, 0});
        if (inside.empty()) return;
        ground(inside, drawing.base);
        for (std::size_t i = 0; i < drawing.ops.size(); ++i) {
            DrawOp op = drawing.ops[i];
            op.x1 += dx, op.y1 += dy, op.x2 += dx, op.y2 += dy;
            op.clip = op.clip.shifted(dx, dy).cut(inside);
            put(std::move(op), drawing.bounds[i].shifted(dx, dy));
        }
    }
};

ImageSurface::ImageSurface(int width, int height, double pixelRatio) : impl_(std::make_unique<Impl>()) {
    impl_->width = std::max(1, width);
    impl_->height = std::max(1, height);
    impl_->scale.ratio = usableRatio(pixelRatio);
    impl_->resetImage();
}

ImageSurface::~ImageSurface() = default;

int ImageSurface::width() const { return impl_->width; }
int ImageSurface::height() const { return impl_->height; }

double ImageSurface::pixelRatio() const { return impl_->scale.ratio; }

std::size_t ImageSurface::keptSteps() const { return impl_->ops.size(); }

void ImageSurface::setPixelRatio(double pixelRatio) {
    const double ratio = usableRatio(pixelRatio);
    if (ratio == impl_->scale.ratio) return;
    Impl& d = *impl_;
    d.scale.ratio = ratio;
    d.resetImage();
    // Everything drawn again at the new resolution, without a repaint per step.
    auto listener = std::exchange(d.listener, nullptr);
    for (const DrawOp& op : d.ops) d.draw(op, d.whole());
    d.listener = std::move(listener);
    d.changed(0, 0, d.width, d.height);
}

void ImageSurface::line(int x1, int y1, int x2, int y2) {
    DrawOp op = opOf(OpKind::Line, *this, x1, y1, x2, y2);
    const Box b = boundsOf(op);
    impl_->drawAndKeep(std::move(op), b);
}

void ImageSurface::rectangle(int x1, int y1, int x2, int y2) {
    DrawOp op = opOf(OpKind::Outline, *this, x1, y1, x2, y2);
    const Box b = boundsOf(op);
    impl_->drawAndKeep(std::move(op), b);
}

void ImageSurface::filledRectangle(int x1, int y1, int x2, int y2) {
    DrawOp op = opOf(OpKind::Filled, *this, x1, y1, x2, y2);
    const Box b = boundsOf(op);
    impl_->drawAndKeep(std::move(op), b);
}

void ImageSurface::text(int x, int y, const std::string& utf8) {
    DrawOp op = opOf(OpKind::Text, *this, x, y, x, y);
    op.font = font();
    op.text = utf8;
    // The ink and the filled box, with room for hinting at other resolutions.
    const QFontMetrics metrics(impl_->font(op.font));
    const QString s = QString::fromStdString(utf8);
    QRect box = metrics.boundingRect(s).translated(x, y + metrics.ascent());
    if (op.textBackground == TextBackground::Opaque)
        box = box.united(
            QRect(x, y, metrics.horizontalAdvance(s), op.font.height > 0 ? op.font.height : metrics.height()));
    constexpr int kRoom = 2;
    impl_->drawAndKeep(std::move(op),
                       {box.left() - kRoom, box.top() - kRoom, box.right() + kRoom, box.bottom() + kRoom});
}

int ImageSurface::textWidth(const std::string& utf8) const {
    return QFontMetrics(impl_->font(font())).horizontalAdvance(QString::fromStdString(utf8));
}

SavedRectangle ImageSurface::saveRectangle(int x1, int y1, int x2, int y2) const {
    const Box box = spanning(x1, y1, x2, y2);
    auto drawing = std::make_shared<SavedDrawing>();
    drawing->base = impl_->base;
    drawing->box = box;
    drawing->surface = impl_.get();
    drawing->save = impl_->lastSave = ++impl_->saves;
    impl_->stepsAtSave = impl_->ops.size();
    for (std::size_t i = 0; i < impl_->ops.size(); ++i)
        if (impl_->bounds[i].meets(box)) {
            drawing->ops.push_back(impl_->ops[i]);
            drawing->bounds.push_back(impl_->bounds[i]);
        }
    return impl_->pixelsOf(box, std::move(drawing));
}

void ImageSurface::paintRectangle(const SavedRectangle& saved, int x, int y) {
    if (saved.width() <= 0 || saved.height() <= 0) return;
    if (saved.drawing()) return impl_->paintDrawing(saved, x, y);
    if (saved.empty()) return;
    DrawOp op;
    op.kind = OpKind::Paint;
    op.x1 = x, op.y1 = y;
    op.saved = std::make_shared<const SavedRectangle>(saved);
    impl_->drawAndKeep(std::move(op), {x, y, x + saved.width() - 1, y + saved.height() - 1});
}

Rgb ImageSurface::pixel(int x, int y) const {
    const QImage& image = impl_->image;
    if (x < 0 || y < 0 || x >= impl_->width || y >= impl_->height) throw std::out_of_range("pixel outside the surface");
    const QRgb p = image.pixel(impl_->scale.edge(x), impl_->scale.edge(y));
    return Rgb{std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p))};
}

void ImageSurface::clear(Rgb c) {
    impl_->lastSave = 0;
    impl_->ops.clear();
    impl_->bounds.clear();
    impl_->pruneAt = kFirstPrune;
    impl_->base = c;
    impl_->image.fill(QColor(c.r, c.g, c.b));
    std::fill(impl_->marks.begin(), impl_->marks.end(), 0);
    impl_->changed(0, 0, width(), height());
}

void ImageSurface::setChangeListener(std::function<void(int, int, int, int)> listener) {
    impl_->listener = std::move(listener);
}

const QImage& imageOf(const ImageSurface& surface) { return const_cast<ImageSurface&>(surface).impl().image; }

} // namespace quintaro::platform
