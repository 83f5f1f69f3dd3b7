// The image surface: lines and rectangles rasterised pixel by pixel (exact, mixable), text through QPainter;
// each game pixel is a block of device pixels on a surface backed above 100 %.
#include "platform/image_surface.h"

#include "platform/qt_fonts.h"
#include "platform/qt_image_surface.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <vector>
#include <stdexcept>
#include <tuple>

namespace quintaro::platform {

namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// Game pixels to device pixels: game pixel v covers the device pixels toDevice(v) .. toDevice(v + 1) - 1.
struct PixelScale {
    double ratio = 1.0;
    // The small bias keeps exact products (2 x 3 = 6) from landing a hair below a whole number.
    int toDevice(int v) const { return int(std::floor(v * ratio + 1e-6)); }
};

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
        fill_ = Box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
        fillColour_ = colour;
        hasFill_ = true;
    }

    // Applies the covered pixels that lie inside the width x height game pixels of the image, each to
    // its block of device pixels; returns the touched box (x, y, w, h) in game pixels.
    std::tuple<int, int, int, int> apply(QImage& image, int width, int height, PixelScale scale, MixMode mode) const {
        Box box{width, height, -1, -1};
        for (const Point& p : points_) box.grow(p.x, p.y);
        if (hasFill_) {
            box.grow(fill_.left, fill_.top);
            box.grow(fill_.right, fill_.bottom);
        }
        box.left = std::max(box.left, 0);
        box.top = std::max(box.top, 0);
        box.right = std::min(box.right, width - 1);
        box.bottom = std::min(box.bottom, height - 1);
        if (box.left > box.right || box.top > box.bottom) return {0, 0, 0, 0};
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
    struct Box {
        int left, top, right, bottom;
        void grow(int x, int y) {
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
        bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
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

} // namespace

struct ImageSurface::Impl {
    QImage image;
    int width = 0, height = 0; // in game pixels
    PixelScale scale;
    std::function<void(int, int, int, int)> listener;
    mutable std::map<std::string, QFont> fonts;

    const QFont& font(const FontRequest& request) const {
        auto [it, inserted] = fonts.try_emplace(fontKey(request));
        if (inserted) it->second = resolveFont(request);
        return it->second;
    }

    void changed(int x, int y, int w, int h) const {
        if (listener && w > 0 && h > 0) listener(x, y, w, h);
    }

    void apply(const Coverage& coverage, MixMode mode) {
        const auto [x, y, w, h] = coverage.apply(image, width, height, scale, mode);
        changed(x, y, w, h);
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
    const QSize size(impl_->scale.toDevice(impl_->width), impl_->scale.toDevice(impl_->height));
    // What is drawn stays, resampled; it is sharp again wherever the game draws it anew.
    impl_->image = impl_->image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    impl_->image.setDevicePixelRatio(ratio);
    impl_->changed(0, 0, impl_->width, impl_->height);
}

void ImageSurface::line(int x1, int y1, int x2, int y2) {
    Coverage c;
    c.addLine(x1, y1, x2, y2, lineWidth(), packed(foreground()));
    impl_->apply(c, mixMode());
}

void ImageSurface::rectangle(int x1, int y1, int x2, int y2) {
    Coverage c;
    c.addOutline(x1, y1, x2, y2, lineWidth(), packed(foreground()));
    impl_->apply(c, mixMode());
}

void ImageSurface::filledRectangle(int x1, int y1, int x2, int y2) {
    Coverage c;
    c.addOutline(x1, y1, x2, y2, lineWidth(), packed(foreground()));
    if (fill()) c.setFill(x1, y1, x2, y2, packed(background()));
    impl_->apply(c, mixMode());
}

void ImageSurface::text(int x, int y, const std::string& utf8) {
    const QString s = QString::fromStdString(utf8);
    const QFont& font = impl_->font(this->font());
    const QFontMetrics metrics(font);
    const int w = metrics.horizontalAdvance(s);
    // The line box is the cell height the game asked for; the font was sized to fit inside it.
    const int h = this->font().height > 0 ? this->font().height : metrics.height();
    {
        QPainter painter(&impl_->image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        if (textBackground() == TextBackground::Opaque) {
            const Rgb b = background();
            painter.fillRect(x, y, w, h, QColor(b.r, b.g, b.b));
        }
        const Rgb f = foreground();
        painter.setPen(QColor(f.r, f.g, f.b));
        painter.setFont(font);
        painter.drawText(x, y + metrics.ascent(), s);
    }
    // Glyphs may overhang their advance a little; repaint a slightly larger box.
    impl_->changed(x - 4, y, w + 8, h);
}

int ImageSurface::textWidth(const std::string& utf8) const {
    return QFontMetrics(impl_->font(font())).horizontalAdvance(QString::fromStdString(utf8));
}

SavedRectangle ImageSurface::saveRectangle(int x1, int y1, int x2, int y2) const {
    const int left = std::min(x1, x2), top = std::min(y1, y2);
    const int w = std::abs(x2 - x1) + 1, h = std::abs(y2 - y1) + 1;
    const PixelScale scale = impl_->scale;
    const int deviceLeft = scale.toDevice(left), deviceTop = scale.toDevice(top);
    const int dw = scale.toDevice(left + w) - deviceLeft, dh = scale.toDevice(top + h) - deviceTop;
    std::vector<std::uint32_t> pixels(std::size_t(dw) * std::size_t(dh), 0);
    const QImage& image = impl_->image;
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
            const int ix = deviceLeft + x, iy = deviceTop + y;
            if (ix >= 0 && iy >= 0 && ix < image.width() && iy < image.height())
                pixels[std::size_t(y) * dw + x] = reinterpret_cast<const QRgb*>(image.constScanLine(iy))[ix] & kRgbMask;
        }
    return SavedRectangle(w, h, dw, dh, std::move(pixels));
}

void ImageSurface::paintRectangle(const SavedRectangle& saved, int x, int y) {
    QImage& image = impl_->image;
    const PixelScale scale = impl_->scale;
    const int deviceLeft = scale.toDevice(x), deviceTop = scale.toDevice(y);
    const int dw = scale.toDevice(x + saved.width()) - deviceLeft, dh = scale.toDevice(y + saved.height()) - deviceTop;
    if (saved.empty() || dw <= 0 || dh <= 0 ||
        saved.pixels().size() < std::size_t(saved.deviceWidth()) * std::size_t(std::max(0, saved.deviceHeight())))
        return;
    // Saved at another resolution (before the window moved to another screen), it is resampled.
    for (int ty = 0; ty < dh; ++ty) {
        const int iy = deviceTop + ty;
        if (iy < 0 || iy >= image.height()) continue;
        const std::size_t source =
            std::size_t(std::int64_t(ty) * saved.deviceHeight() / dh) * std::size_t(saved.deviceWidth());
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(iy));
        for (int tx = 0; tx < dw; ++tx) {
            const int ix = deviceLeft + tx;
            if (ix >= 0 && ix < image.width())
                row[ix] =
                    0xFF000000u | saved.pixels()[source + std::size_t(std::int64_t(tx) * saved.deviceWidth() / dw)];
        }
    }
    impl_->changed(x, y, saved.width(), saved.height());
}

Rgb ImageSurface::pixel(int x, int y) const {
    const QImage& image = impl_->image;
    if (x < 0 || y < 0 || x >= impl_->width || y >= impl_->height) throw std::out_of_range("pixel outside the surface");
    const QRgb p = image.pixel(impl_->scale.toDevice(x), impl_->scale.toDevice(y));
    return Rgb{std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p))};
}

void ImageSurface::clear(Rgb c) {
    impl_->image.fill(QColor(c.r, c.g, c.b));
    impl_->changed(0, 0, width(), height());
}

void ImageSurface::setChangeListener(std::function<void(int, int, int, int)> listener) {
    impl_->listener = std::move(listener);
}

const QImage& imageOf(const ImageSurface& surface) { return const_cast<ImageSurface&>(surface).impl().image; }

} // namespace quintaro::platform
