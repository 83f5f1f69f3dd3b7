// Drawing on a printer page: axis-parallel lines as exact pixel boxes, other lines with a square pen.
#include "platform/qt/painter_surface.h"

#include "platform/qt/qt_device_fonts.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace quintaro::platform {

namespace {

QColor qtColour(Rgb c) { return QColor(c.r, c.g, c.b); }

} // namespace

PainterSurface::PainterSurface(QPainter& painter, int width, int height)
    : painter_(painter), width_(width), height_(height), dotsPerInch_(painter.device()->logicalDpiY()) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
}

void PainterSurface::line(int x1, int y1, int x2, int y2) {
    const int w = lineWidth(), before = w / 2, after = (w - 1) / 2;
    if (x1 == x2 || y1 == y2) {
        const int left = std::min(x1, x2) - before, top = std::min(y1, y2) - before;
        painter_.fillRect(left, top, std::abs(x2 - x1) + w, std::abs(y2 - y1) + w, qtColour(foreground()));
        return;
    }
    // The square pen's centre lies in the middle of the w x w square the pixel rules put at each point.
    const double shift = (after - before + 1) / 2.0;
    painter_.setPen(QPen(qtColour(foreground()), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.drawLine(QPointF(x1 + shift, y1 + shift), QPointF(x2 + shift, y2 + shift));
}

void PainterSurface::rectangle(int x1, int y1, int x2, int y2) {
    line(x1, y1, x2, y1);
    line(x2, y1, x2, y2);
    line(x1, y2, x2, y2);
    line(x1, y1, x1, y2);
}

void PainterSurface::filledRectangle(int x1, int y1, int x2, int y2) {
    if (fill())
        painter_.fillRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1,
                          qtColour(background()));
    rectangle(x1, y1, x2, y2);
}

void PainterSurface::text(int x, int y, const std::string& utf8) {
    const QString s = QString::fromStdString(utf8);
    const QFont font = resolveFontAt(this->font(), dotsPerInch_);
    const QFontMetrics metrics(font, painter_.device());
    if (textBackground() == TextBackground::Opaque) {
        const int h = this->font().height > 0 ? this->font().height : metrics.height();
        painter_.fillRect(x, y, metrics.horizontalAdvance(s), h, qtColour(background()));
    }
    painter_.setPen(qtColour(foreground()));
    painter_.setFont(font);
    painter_.drawText(x, y + metrics.ascent(), s);
}

int PainterSurface::textWidth(const std::string& utf8) const {
    return QFontMetrics(resolveFontAt(font(), dotsPerInch_), painter_.device())
        .horizontalAdvance(QString::fromStdString(utf8));
}

SavedRectangle PainterSurface::saveRectangle(int, int, int, int) const { return {}; }

void PainterSurface::paintRectangle(const SavedRectangle& saved, int x, int y) {
    if (saved.empty()) return;
    QImage image(saved.deviceWidth(), saved.deviceHeight(), QImage::Format_RGB32);
    for (int sy = 0; sy < saved.deviceHeight(); ++sy)
        for (int sx = 0; sx < saved.deviceWidth(); ++sx)
            image.setPixel(sx, sy, 0xFF000000u | saved.pixels()[std::size_t(sy) * saved.deviceWidth() + sx]);
    painter_.drawImage(QRect(x, y, saved.width(), saved.height()), image);
}

Rgb PainterSurface::pixel(int, int) const { throw std::logic_error("a printed page cannot be read back"); }

void PainterSurface::clear(Rgb c) { painter_.fillRect(0, 0, width_, height_, qtColour(c)); }

} // namespace quintaro::platform
