#include "shell/LogFont.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace taleno {

QString MapFaceName(const QString& faceName) {
    if (faceName.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0) {
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }
    return faceName;
}

QString CutFaceName(const QString& faceName) { return faceName.left(kMaxFaceNameLength); }

int PointsToLogHeight(double points, int dpi) { return -static_cast<int>(std::lround(dpi * points / 72.0)); }

namespace {

QFont::StyleHint HintForFamily(int pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
    case 0x10: return QFont::Serif;       // roman
    case 0x20: return QFont::SansSerif;   // swiss
    case 0x30: return QFont::Monospace;   // modern
    case 0x40: return QFont::Cursive;     // script
    case 0x50: return QFont::Decorative;  // decorative
    default: return QFont::AnyStyle;
    }
}

}  // namespace

QFont MakeFont(const LogFont& logFont) {
    QFont font(MapFaceName(logFont.faceName));
    font.setStyleHint(HintForFamily(logFont.pitchAndFamily));
    if ((logFont.pitchAndFamily & 0x3) == 1) {
        font.setFixedPitch(true);
    }
    if (logFont.height < 0) {
        font.setPixelSize(-logFont.height);
    } else if (logFont.height > 0) {
        // A positive height is the whole line; scale the em size so the
        // font's line height comes out at that many pixels.
        font.setPixelSize(logFont.height);
        const int lineHeight = QFontMetrics(font).height();
        if (lineHeight > logFont.height) {
            font.setPixelSize(std::max(1, logFont.height * logFont.height / lineHeight));
        }
    }
    if (logFont.width > 0) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0) {
            font.setStretch(std::clamp(logFont.width * 100 / natural, 1, 4000));
        }
    }
    font.setWeight(logFont.weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::min(logFont.weight, 1000)));
    font.setItalic(logFont.italic);
    font.setUnderline(logFont.underline);
    font.setStrikeOut(logFont.strikeOut);
    if (logFont.quality == kNonAntialiasedQuality) {
        font.setStyleStrategy(QFont::NoAntialias);
    }
    return font;
}

LogFont LogFontFromFont(const QFont& font, int dpi) {
    LogFont logFont;
    logFont.height = font.pixelSize() > 0 ? -font.pixelSize() : PointsToLogHeight(font.pointSizeF(), dpi);
    logFont.weight = font.weight();
    logFont.italic = font.italic();
    logFont.underline = font.underline();
    logFont.strikeOut = font.strikeOut();
    logFont.faceName = CutFaceName(font.family());
    return logFont;
}

}  // namespace taleno
