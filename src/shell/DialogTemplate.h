#pragma once
// A dialog laid out as its template describes it: the dialog's size and each
// control's rectangle in dialog units of the dialog font ("MS Sans Serif" 8).

#include <QDialog>
#include <QRect>
#include <QSize>

namespace taleno {

class DialogTemplate {
public:
    // Gives the dialog the dialog font and its fixed size.
    DialogTemplate(QDialog& dialog, QSize sizeUnits);

    // Places the widget at the rectangle (x, y, width, height in dialog
    // units) and returns it.
    template <class Widget>
    Widget* Place(Widget* widget, int x, int y, int width, int height) const {
        widget->setGeometry(Rect(x, y, width, height));
        return widget;
    }

    QRect Rect(int x, int y, int width, int height) const;

    // The templates were drawn for the English texts. Widens each label and
    // button whose text (in the user's language) is longer than its box,
    // with the controls of its column; moves the controls right of it
    // along, and those kept at the dialog's right edge to the new edge; and
    // widens the dialog to match. Called once the controls are placed.
    void FitTexts() const;

private:
    QDialog& dialog;
    QFont font;
};

}  // namespace taleno
