#include "shell/DialogTemplate.h"

#include "shell/DialogUnits.h"

namespace taleno {

DialogTemplate::DialogTemplate(QDialog& dialog, QSize sizeUnits) : font(DialogFont()) {
    dialog.setFont(font);
    dialog.setFixedSize(DialogUnitsToPixels(sizeUnits, font));
}

QRect DialogTemplate::Rect(int x, int y, int width, int height) const {
    const QSize origin = DialogUnitsToPixels(QSize(x, y), font);
    return {QPoint(origin.width(), origin.height()), DialogUnitsToPixels(QSize(width, height), font)};
}

}  // namespace taleno
