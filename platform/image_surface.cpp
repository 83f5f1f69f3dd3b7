// The image surface: lines and rectangles rasterised pixel by pixel (exact, mixable), text through QPainter;
// each game pixel is a block of device pixels on a surface backed above 100 %. What is drawn is also kept
// as a list of primitives, so that a new resolution draws it all again sharp.
#include "platform/image_surface.h"

#include "platform/qt_fonts.h"
#include "platform/qt_image_surface.h"
#include "platform/window_scale.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <utility>
#include <vector>
#include <stdexcept>
#include <tuple>

namespace quintaro::platform {

namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// Game pixels to device pixels: game pixel v covers the device pixels toDevice(v) .. toDevice(v + 1) - 1.
struct PixelScale {
    double ratio = 1.0;
    int toDevice(int v) const { return deviceEdge(v, ratio); }
};

// A box of game pixels, both corners included; empty when left > right or top > bottom.
struct Box {
    int left, top, right, bottom;
    void grow(int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool contains(const Box& b) const { return contains(b.left, b.top) && contains(b.right, b.bottom); }
    bool meets(const Box& b) const { return left <= b.right && b.left <= right && top <= b.bottom && b.top <= bottom; }
    bool empty() const { return left > right || top > bottom; }
    Box shifted(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Box cut(const Box& b) const {
        return {std::max(left, b.left), std::max(top, b.top), std::min(right, b.right), std::min(bottom, b.bottom)};
    }
};

Box spanning(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// Ratios below 1 would drop game pixels; absurd ones would ask for a huge image.
double usableRatio(double ratio) { return std::isfinite(ratio) ? std::clamp(ratio, 1.0, 8.0) : 1.0; }

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

// The pixels one primitive covers, each mixed exactly once: outline points first, then the fill
// for every pixel of the fill box that no outline point claimed.
class Coverage {
public:
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

    // Applies the covered pixels that lie inside the clip (within the image), each to its block of
    // device pixels; returns the touched box (x, y, w, h) in game pixels.
    std::tuple<int, int, int, int> apply(QImage& image, Box clip, PixelScale scale, MixMode mode) const {
        Box box{clip.right + 1, clip.bottom + 1, clip.left - 1, clip.top - 1};
        for (const Point& p : points_) box.grow(p.x, p.y);
        if (hasFill_) {
            box.grow(fill_.left, fill_.top);
            box.grow(fill_.right, fill_.bottom);
        }
        box = box.cut(clip);
        if (box.empty()) return {0, 0, 0, 0};
        const int w = box.right - box.left + 1;
        constexpr std::int64_t kFree = -1;
        std::vector<std::int64_t> colourAt(std::size_t(w) * std::size_t(box.bottom - box.top + 1), kFree);
        auto slot = [&](int x, int y) -> std::int64_t& {
            return colourAt[std::size_t(y - box.top) * w + std::size_t(x - box.left)];
        };
        for (const Point& p : points_)
            if (box.contains(p.x, p.y)) slot(p.x, p.y) = p.colour;
        if (hasFill_)
            for (int y = std::max(fill_.top, box.top); y <= std::min(fill_.bottom, box.bottom); ++y)
                for (int x = std::max(fill_.left, box.left); x <= std::min(fill_.right, box.right); ++x)
                    if (slot(x, y) == kFree) slot(x, y) = fillColour_;
        for (int y = box.top; y <= box.bottom; ++y) {
            const int deviceBottom = std::min(scale.toDevice(y + 1), image.height());
            for (int dy = scale.toDevice(y); dy < deviceBottom; ++dy) {
                auto* row = reinterpret_cast<QRgb*>(image.scanLine(dy));
                for (int x = box.left; x <= box.right; ++x) {
                    const std::int64_t c = slot(x, y);
                    if (c == kFree) continue;
                    const int deviceRight = std::min(scale.toDevice(x + 1), image.width());
                    for (int dx = scale.toDevice(x); dx < deviceRight; ++dx)
                        row[dx] = 0xFF000000u | mixed(row[dx] & kRgbMask, std::uint32_t(c), mode);
                }
            }
        }
        return {box.left, box.top, w, box.bottom - box.top + 1};
    }

private:
    struct Point {
        int x, y;
        std::uint32_t colour;
    };
    std::vector<Point> points_;
    Box fill_{};
    std::uint32_t fillColour_ = 0;
    bool hasFill_ = false;
};

std::string fontKey(const FontRequest& f) {
    return f.face + '/' + std::to_string(f.height) + '/' + std::to_string(f.width) + '/' + std::to_string(f.weight) +
           '/' + std::to_string(f.fixedPitch) + '/' + std::to_string(f.pointSize);
}

enum class OpKind { Line, Outline, Filled, Text, Paint };

// One primitive as it was asked for, with the drawing state it was drawn in.
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
    std::shared_ptr<const SavedRectangle> saved;
    Box bounds{0, 0, -1, -1}; // every game pixel it may touch
};

using OpPointer = std::shared_ptr<const DrawOp>;

// Past this many primitives the list gives way to a copy of the pixels: memory stays bounded, and only
// a change of resolution after that shows the older drawing resampled.
constexpr std::size_t kMostKeptOps = 20000;

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
    const int before = op.lineWidth / 2, after = (op.lineWidth - 1) / 2;
    const Box b = spanning(x1, y1, x2, y2);
    op.bounds = {b.left - before, b.top - before, b.right + after, b.bottom + after};
    return op;
}

// The box a primitive paints over completely, whatever was there; empty for the others.
Box coverOf(const DrawOp& op) {
    if (op.kind == OpKind::Filled && op.fill && op.mix == MixMode::Copy) return spanning(op.x1, op.y1, op.x2, op.y2);
    if (op.kind == OpKind::Paint) return op.bounds;
    return {0, 0, -1, -1};
}

} // namespace

// The primitives that touched a saved rectangle, in order, over the colour the surface was cleared to.
struct SavedDrawing {
    Rgb base;
    Box box;
    std::vector<OpPointer> ops;
};

struct ImageSurface::Impl {
    QImage image;
    int width = 0, height = 0; // in game pixels
    PixelScale scale;
    std::function<void(int, int, int, int)> listener;
    mutable std::map<std::string, QFont> fonts;
    Rgb base{255, 255, 255};
    std::vector<OpPointer> ops; // what was drawn since the last clear, older ones hidden by newer ones dropped

    const QFont& font(const FontRequest& request) const {
        auto [it, inserted] = fonts.try_emplace(fontKey(request));
        if (inserted) it->second = resolveFont(request);
        return it->second;
    }

    Box whole() const { return {0, 0, width - 1, height - 1}; }

    void changed(int x, int y, int w, int h) const {
        if (listener && w > 0 && h > 0) listener(x, y, w, h);
    }

    void apply(const Coverage& coverage, MixMode mode, Box clip) {
        const auto [x, y, w, h] = coverage.apply(image, clip.cut(whole()), scale, mode);
        changed(x, y, w, h);
    }

    // Draws the primitive moved by (dx, dy), inside the clip only.
    void draw(const DrawOp& op, int dx, int dy, Box clip) {
        Coverage c;
        const std::uint32_t colour = packed(op.foreground);
        switch (op.kind) {
        case OpKind::Line:
            c.addLine(op.x1 + dx, op.y1 + dy, op.x2 + dx, op.y2 + dy, op.lineWidth, colour);
            return apply(c, op.mix, clip);
        case OpKind::Outline:
            c.addOutline(op.x1 + dx, op.y1 + dy, op.x2 + dx, op.y2 + dy, op.lineWidth, colour);
            return apply(c, op.mix, clip);
        case OpKind::Filled:
            c.addOutline(op.x1 + dx, op.y1 + dy, op.x2 + dx, op.y2 + dy, op.lineWidth, colour);
            if (op.fill) c.setFill(op.x1 + dx, op.y1 + dy, op.x2 + dx, op.y2 + dy, packed(op.background));
            return apply(c, op.mix, clip);
        case OpKind::Text:
            return drawText(op, op.x1 + dx, op.y1 + dy, clip);
        case OpKind::Paint:
            return paint(*op.saved, op.x1 + dx, op.y1 + dy, clip);
        }
    }

    void drawText(const DrawOp& op, int x, int y, Box clip) {
        const QString s = QString::fromStdString(op.text);
        const QFont& font = this->font(op.font);
        const QFontMetrics metrics(font);
        const int w = metrics.horizontalAdvance(s);
        // The line box is the cell height the game asked for; the font was sized to fit inside it.
        const int h = op.font.height > 0 ? op.font.height : metrics.height();
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            if (!clip.contains(whole())) {
                // On the device pixels of the clip's game pixels, as the other primitives cover them.
                const int left = scale.toDevice(clip.left), top = scale.toDevice(clip.top);
                painter.setClipRect(QRectF(left / scale.ratio, top / scale.ratio,
                                           (scale.toDevice(clip.right + 1) - left) / scale.ratio,
                                           (scale.toDevice(clip.bottom + 1) - top) / scale.ratio));
            }
            if (op.textBackground == TextBackground::Opaque) {
                const Rgb b = op.background;
                painter.fillRect(x, y, w, h, QColor(b.r, b.g, b.b));
            }
            const Rgb f = op.foreground;
            painter.setPen(QColor(f.r, f.g, f.b));
            painter.setFont(font);
            painter.drawText(x, y + metrics.ascent(), s);
        }
        // Glyphs may overhang their advance a little; repaint a slightly larger box.
        changed(x - 4, y, w + 8, h);
    }

    // The saved pixels where they fit this resolution; else what was drawn there, drawn again; else the
    // pixels resampled.
    void paint(const SavedRectangle& saved, int x, int y, Box clip) {
        const int deviceLeft = scale.toDevice(x), deviceTop = scale.toDevice(y);
        const int dw = scale.toDevice(x + saved.width()) - deviceLeft;
        const int dh = scale.toDevice(y + saved.height()) - deviceTop;
        if (saved.empty() || dw <= 0 || dh <= 0 ||
            saved.pixels().size() < std::size_t(saved.deviceWidth()) * std::size_t(std::max(0, saved.deviceHeight())))
            return;
        const Box target = Box{x, y, x + saved.width() - 1, y + saved.height() - 1}.cut(clip);
        if (target.empty()) return;
        if (saved.drawing() && (dw != saved.deviceWidth() || dh != saved.deviceHeight())) {
            const SavedDrawing& drawing = *saved.drawing();
            // What lay outside the surface was saved as black, the rest on the colour it was cleared to.
            Coverage outside, ground;
            outside.setFill(target.left, target.top, target.right, target.bottom, 0);
            apply(outside, MixMode::Copy, target);
            const Box inside = drawing.box.cut(whole()).shifted(x - drawing.box.left, y - drawing.box.top).cut(target);
            ground.setFill(inside.left, inside.top, inside.right, inside.bottom, packed(drawing.base));
            if (inside.empty()) return;
            apply(ground, MixMode::Copy, inside);
            for (const OpPointer& op : drawing.ops) draw(*op, x - drawing.box.left, y - drawing.box.top, inside);
            return;
        }
        const int clipTop = scale.toDevice(target.top), clipBottom = scale.toDevice(target.bottom + 1);
        const int clipLeft = scale.toDevice(target.left), clipRight = scale.toDevice(target.right + 1);
        for (int ty = 0; ty < dh; ++ty) {
            const int iy = deviceTop + ty;
            if (iy < std::max(0, clipTop) || iy >= std::min(image.height(), clipBottom)) continue;
            const std::size_t source =
                std::size_t(std::int64_t(ty) * saved.deviceHeight() / dh) * std::size_t(saved.deviceWidth());
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(iy));
            for (int tx = 0; tx < dw; ++tx) {
                const int ix = deviceLeft + tx;
                if (ix >= std::max(0, clipLeft) && ix < std::min(image.width(), clipRight))
                    row[ix] =
                        0xFF000000u | saved.pixels()[source + std::size_t(std::int64_t(tx) * saved.deviceWidth() / dw)];
            }
        }
        changed(target.left, target.top, target.right - target.left + 1, target.bottom - target.top + 1);
    }

    // Draws the primitive and keeps it, dropping those it hides completely.
    void drawAndKeep(DrawOp op) {
        draw(op, 0, 0, whole());
        if (const Box cover = coverOf(op); !cover.empty())
            std::erase_if(ops, [&](const OpPointer& kept) { return cover.contains(kept->bounds); });
        ops.push_back(std::make_shared<const DrawOp>(std::move(op)));
        if (ops.size() > kMostKeptOps) {
            DrawOp copy;
            copy.kind = OpKind::Paint;
            copy.saved = std::make_shared<const SavedRectangle>(pixelsOf(whole(), nullptr));
            copy.bounds = whole();
            ops.assign(1, std::make_shared<const DrawOp>(std::move(copy)));
        }
    }

    SavedRectangle pixelsOf(Box b, std::shared_ptr<const SavedDrawing> drawing) const {
        const int w = b.right - b.left + 1, h = b.bottom - b.top + 1;
        const int deviceLeft = scale.toDevice(b.left), deviceTop = scale.toDevice(b.top);
        const int dw = scale.toDevice(b.left + w) - deviceLeft, dh = scale.toDevice(b.top + h) - deviceTop;
        std::vector<std::uint32_t> pixels(std::size_t(dw) * std::size_t(dh), 0);
        for (int y = 0; y < dh; ++y)
            for (int x = 0; x < dw; ++x) {
                const int ix = deviceLeft + x, iy = deviceTop + y;
                if (ix >= 0 && iy >= 0 && ix < image.width() && iy < image.height())
                    pixels[std::size_t(y) * dw + x] =
                        reinterpret_cast<const QRgb*>(image.constScanLine(iy))[ix] & kRgbMask;
            }
        return SavedRectangle(w, h, dw, dh, std::move(pixels), std::move(drawing));
    }
};

ImageSurface::ImageSurface(int width, int height, double pixelRatio) : impl_(std::make_unique<Impl>()) {
    impl_->width = std::max(1, width);
    impl_->height = std::max(1, height);
    impl_->scale.ratio = usableRatio(pixelRatio);
    impl_->image =
        QImage(impl_->scale.toDevice(impl_->width), impl_->scale.toDevice(impl_->height), QImage::Format_RGB32);
    impl_->image.setDevicePixelRatio(impl_->scale.ratio);
    impl_->image.fill(Qt::white);
}

ImageSurface::~ImageSurface() = default;

int ImageSurface::width() const { return impl_->width; }
int ImageSurface::height() const { return impl_->height; }

double ImageSurface::pixelRatio() const { return impl_->scale.ratio; }

void ImageSurface::setPixelRatio(double pixelRatio) {
    const double ratio = usableRatio(pixelRatio);
    if (ratio == impl_->scale.ratio) return;
    impl_->scale.ratio = ratio;
    Impl& d = *impl_;
    d.image = QImage(d.scale.toDevice(d.width), d.scale.toDevice(d.height), QImage::Format_RGB32);
    d.image.setDevicePixelRatio(ratio);
    d.image.fill(QColor(d.base.r, d.base.g, d.base.b));
    // Everything drawn again at the new resolution, without a repaint per primitive.
    auto listener = std::exchange(d.listener, nullptr);
    for (const OpPointer& op : d.ops) d.draw(*op, 0, 0, d.whole());
    d.listener = std::move(listener);
    d.changed(0, 0, d.width, d.height);
}

void ImageSurface::line(int x1, int y1, int x2, int y2) {
    impl_->drawAndKeep(opOf(OpKind::Line, *this, x1, y1, x2, y2));
}

void ImageSurface::rectangle(int x1, int y1, int x2, int y2) {
    impl_->drawAndKeep(opOf(OpKind::Outline, *this, x1, y1, x2, y2));
}

void ImageSurface::filledRectangle(int x1, int y1, int x2, int y2) {
    impl_->drawAndKeep(opOf(OpKind::Filled, *this, x1, y1, x2, y2));
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
    op.bounds = {box.left() - kRoom, box.top() - kRoom, box.right() + kRoom, box.bottom() + kRoom};
    impl_->drawAndKeep(std::move(op));
}

int ImageSurface::textWidth(const std::string& utf8) const {
    return QFontMetrics(impl_->font(font())).horizontalAdvance(QString::fromStdString(utf8));
}

SavedRectangle ImageSurface::saveRectangle(int x1, int y1, int x2, int y2) const {
    const Box box = spanning(x1, y1, x2, y2);
    auto drawing = std::make_shared<SavedDrawing>();
    drawing->base = impl_->base;
    drawing->box = box;
    for (const OpPointer& op : impl_->ops)
        if (op->bounds.meets(box)) drawing->ops.push_back(op);
    return impl_->pixelsOf(box, std::move(drawing));
}

void ImageSurface::paintRectangle(const SavedRectangle& saved, int x, int y) {
    if (saved.empty() || saved.width() <= 0 || saved.height() <= 0) return;
    DrawOp op;
    op.kind = OpKind::Paint;
    op.x1 = x, op.y1 = y;
    op.saved = std::make_shared<const SavedRectangle>(saved);
    op.bounds = {x, y, x + saved.width() - 1, y + saved.height() - 1};
    impl_->drawAndKeep(std::move(op));
}

Rgb ImageSurface::pixel(int x, int y) const {
    const QImage& image = impl_->image;
    if (x < 0 || y < 0 || x >= impl_->width || y >= impl_->height) throw std::out_of_range("pixel outside the surface");
    const QRgb p = image.pixel(impl_->scale.toDevice(x), impl_->scale.toDevice(y));
    return Rgb{std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p))};
}

void ImageSurface::clear(Rgb c) {
    impl_->ops.clear();
    impl_->base = c;
    impl_->image.fill(QColor(c.r, c.g, c.b));
    impl_->changed(0, 0, width(), height());
}

void ImageSurface::setChangeListener(std::function<void(int, int, int, int)> listener) {
    impl_->listener = std::move(listener);
}

const QImage& imageOf(const ImageSurface& surface) { return const_cast<ImageSurface&>(surface).impl().image; }

} // namespace quintaro::platform
