#include "shell/DialogUnits.h"

#include "shell/LogFont.h"

#include <QFontMetrics>
#include <QString>

#include <cmath>

namespace taleno {

QFont DialogFont() {
    QFont font(MapFaceName(QStringLiteral("MS Sans Serif")));
    font.setPointSize(8);
    return font;
}

QSize DialogBaseUnits(const QFont& dialogFont) {
    const QFontMetrics metrics(dialogFont);
    const int alphabet =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(alphabet / 26 + 1) / 2, metrics.height()};
}

QSize DialogUnitsToPixels(QSize dialogUnits, const QFont& dialogFont) {
    const QSize base = DialogBaseUnits(dialogFont);
    const auto mulDiv = [](int value, int mul, int div) {
        return static_cast<int>(std::lround(static_cast<double>(value) * mul / div));
    };
    return {mulDiv(dialogUnits.width(), base.width(), 4), mulDiv(dialogUnits.height(), base.height(), 8)};
}

}  // namespace taleno
