// The image surface: lines and rectangles through the rasteriser, text through QPainter, on an image
// where each game pixel is a block of device pixels (below 100 %, the device pixels under it). What is
// drawn is also kept as a list of steps, so that a new resolution draws it all again sharp.
#include "platform/image_surface.h"

#include "platform/drawing_steps.h"
#include "platform/qt_fonts.h"
#include "platform/qt_image_surface.h"
#include "platform/surface_raster.h"
#include "platform/window_scale.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace quintaro::platform {

namespace {

// Absurd ratios would ask for a huge image; below one half the canvas shrinks what is drawn at one half.
double usableRatio(double ratio) { return std::isfinite(ratio) ? std::clamp(ratio, 0.5, 8.0) : 1.0; }

} // namespace

struct ImageSurface::Impl {
    QImage image;
    int width = 0, height = 0; // in game pixels
    PixelScale scale;
    std::function<void(int, int, int, int)> listener;
    std::vector<std::pair<FontRequest, QFont>> fonts;
    Rgb base{255, 255, 255};
    DrawingSteps steps;
    std::vector<std::uint32_t> marks; // below 100 %: the line mark of every device pixel
    Coverage coverage;

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

    // Keeps a step that was drawn; past the most steps kept they become one copy of the pixels.
    void keep(DrawOp op, Box b) {
        if (steps.keep(std::move(op), b, whole())) steps.becomeCopy(pixelsOf(whole(), nullptr), whole());
    }

    void drawAndKeep(DrawOp op, Box b) {
        draw(op, whole());
        keep(std::move(op), b);
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
    // Where it came from, the list goes back to the save instead when it can.
    void paintDrawing(const SavedRectangle& saved, int x, int y) {
        const SavedDrawing& drawing = *saved.drawing();
        if (steps.backToSave(drawing, x, y)) {
            const Box target = drawing.box.cut(whole());
            const bool pixelsFit = scale.ratio >= 1 && !saved.empty() &&
                                   scale.edge(x + saved.width()) - scale.edge(x) == saved.deviceWidth() &&
                                   scale.edge(y + saved.height()) - scale.edge(y) == saved.deviceHeight();
            if (pixelsFit) return paintPixels(saved, x, y, whole());
            // At another resolution, or below 100 % where the lines' marks come back only with the steps.
            fillBox(target, packed(base), target);
            for (std::size_t i = 0; i < steps.ops().size(); ++i)
                if (steps.bounds()[i].meets(target)) draw(steps.ops()[i], target);
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

std::size_t ImageSurface::keptSteps() const { return impl_->steps.ops().size(); }

void ImageSurface::setPixelRatio(double pixelRatio) {
    const double ratio = usableRatio(pixelRatio);
    if (ratio == impl_->scale.ratio) return;
    Impl& d = *impl_;
    d.scale.ratio = ratio;
    d.resetImage();
    // Everything drawn again at the new resolution, without a repaint per step.
    auto listener = std::exchange(d.listener, nullptr);
    for (const DrawOp& op : d.steps.ops()) d.draw(op, d.whole());
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
    return impl_->pixelsOf(box, impl_->steps.save(box, impl_->base));
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
    impl_->steps.clear();
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
