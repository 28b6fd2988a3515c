#include "shell/GoToDlg.h"

#include "shell/DialogTemplate.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>

#include <algorithm>

namespace taleno {

namespace {

// The up-down buttons beside a field: each press sets the field's number one
// up or down within [0, maximum]; the Up and Down keys in the field do the
// same. What is typed is not bound by the range.
class UpDownButtons : public QObject {
public:
    UpDownButtons(QLineEdit* field, int maximum, const QRect& place) : QObject(field), field(field), maximum(maximum) {
        QWidget* parent = field->parentWidget();
        auto* up = new QToolButton(parent);
        auto* down = new QToolButton(parent);
        up->setAccessibleName(CGoToDlg::tr("%1 up").arg(field->accessibleName()));
        down->setAccessibleName(CGoToDlg::tr("%1 down").arg(field->accessibleName()));
        up->setArrowType(Qt::UpArrow);
        down->setArrowType(Qt::DownArrow);
        up->setGeometry(place.x(), place.y(), place.width(), place.height() / 2);
        down->setGeometry(place.x(), place.y() + place.height() / 2, place.width(),
                          place.height() - place.height() / 2);
        up->setAutoRepeat(true);
        down->setAutoRepeat(true);
        // Only the fields are tab stops: digits typed after a Tab go into the next field.
        up->setFocusPolicy(Qt::NoFocus);
        down->setFocusPolicy(Qt::NoFocus);
        connect(up, &QToolButton::clicked, this, [this] { Step(1); });
        connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                Step(key == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Step(int by) {
        const int value = std::clamp(field->text().toInt() + by, 0, maximum);
        field->setText(QString::number(value));
    }

    QLineEdit* field;
    int maximum;
};

int FieldValue(const QLineEdit* field) { return field->text().toInt(); }

}  // namespace

CGoToDlg::CGoToDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Go To"));
    const DialogTemplate layout(*this, QSize(169, 66));
    layout.Place(new QLabel(tr("Time"), this), 12, 24, 20, 8);
    const auto field = [&](int x, const char* caption, int maximum) {
        layout.Place(new QLabel(tr(caption), this), x, 12, 40, 8);
        auto* edit = layout.Place(new QLineEdit(QStringLiteral("00"), this), x, 22, 20, 14);
        edit->setAccessibleName(tr(caption));
        edit->setMaxLength(2);
        edit->setAlignment(Qt::AlignRight);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), edit));
        new UpDownButtons(edit, maximum, layout.Rect(x + 20, 22, 9, 14));
        return edit;
    };
    hoursField = field(35, QT_TR_NOOP("Hours"), 99);
    layout.Place(new QLabel(QStringLiteral(":"), this), 70, 24, 5, 8);
    minutesField = field(80, QT_TR_NOOP("Minutes"), 59);
    layout.Place(new QLabel(QStringLiteral(":"), this), 115, 24, 5, 8);
    secondsField = field(125, QT_TR_NOOP("Seconds"), 59);
    auto* go = layout.Place(new QPushButton(tr("GO"), this), 58, 45, 50, 14);
    auto* cancel = layout.Place(new QPushButton(tr("Cancel"), this), 112, 45, 50, 14);
    layout.FitTexts();
    go->setDefault(true);
    // Enter is GO and Esc is Cancel: Tab goes round the three fields only.
    go->setFocusPolicy(Qt::ClickFocus);
    cancel->setFocusPolicy(Qt::ClickFocus);
    connect(go, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int CGoToDlg::GetHours() const { return FieldValue(hoursField); }
int CGoToDlg::GetMinutes() const { return FieldValue(minutesField); }
int CGoToDlg::GetSeconds() const { return FieldValue(secondsField); }

}  // namespace taleno
