// Font requests mapped to installed families at fixed pixel sizes, so that text looks alike on every machine.
#include "platform/qt_fonts.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace quintaro::platform {

QString familyFor(const std::string& face) {
    const QString f = QString::fromStdString(face).toLower();
    if (f == "arial") return QStringLiteral("Liberation Sans");
    // The panels' body text wants a plain zero; DejaVu's dotted one reads like a circled dot at 7 pixels.
    if (f == "terminal") return QStringLiteral("Liberation Mono");
    if (f == "fixedsys") return QStringLiteral("DejaVu Sans Mono");
    if (f == "system") return QStringLiteral("DejaVu Sans");
    return QString::fromStdString(face);
}

QFont resolveFont(const FontRequest& request) {
    QFont font(familyFor(request.face));
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias | QFont::PreferMatch));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    font.setWeight(QFont::Weight(std::clamp(request.weight, 100, 900)));
    font.setFixedPitch(request.fixedPitch);
    if (request.pointSize > 0) {
        font.setPixelSize(std::max(1, int(std::lround(request.pointSize * 96.0 / 72.0))));
    } else {
        // Windows-style heights count the whole cell; Qt's pixel size is the em square, which is smaller.
        int size = std::max(1, request.height);
        font.setPixelSize(size);
        while (size > 1 && QFontMetrics(font).height() > request.height) font.setPixelSize(--size);
    }
    if (request.width > 0) {
        const int natural = QFontMetrics(font).horizontalAdvance(QLatin1Char('x'));
        if (natural > 0 && natural != request.width)
            font.setStretch(std::clamp(int(std::lround(100.0 * request.width / natural)), 1, 4000));
    }
    return font;
}

} // namespace quintaro::platform
