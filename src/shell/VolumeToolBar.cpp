#include "shell/VolumeToolBar.h"

#include "shell/VolumeSlider.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QIcon>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QToolButton>

#include <vector>

// The images live in this static library; the resource registration must be
// pulled in explicitly (and outside any namespace).
static void InitSliderResources() { Q_INIT_RESOURCE(sliders); }

namespace taleno {

namespace {

// What assistive technology sees of a toolbar button: a button, or a check box
// for the commands with a mark, named by its command, described by its
// tooltip, with the command's key. Pressing or toggling it clicks it, so its command runs as for a
// mouse click (Qt's own toggle would only flip the button's mark).
class ToolBarButtonAccessible : public QAccessibleWidget {
public:
    explicit ToolBarButtonAccessible(QToolButton* button) : QAccessibleWidget(button) {}

    QAccessible::Role role() const override {
        return Button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = Button()->isCheckable();
        state.checked = Button()->isChecked();
        state.pressed = Button()->isDown();
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return Button()->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        return QStringList{Button()->isCheckable() ? toggleAction() : pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction()) {
            if (Button()->isEnabled()) Button()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
    // The command's key, as its menu item shows it after the tab.
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action != pressAction() && action != toggleAction()) return QAccessibleWidget::keyBindingsForAction(action);
        const QString text = Button()->defaultAction()->text();
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        return tab < 0 ? QStringList() : QStringList{text.mid(tab + 1)};
    }

private:
    QToolButton* Button() const { return static_cast<QToolButton*>(widget()); }
};

QAccessibleInterface* ToolBarButtonAccessibleFactory(const QString&, QObject* object) {
    auto* button = qobject_cast<QToolButton*>(object);
    const bool ours = button != nullptr && button->defaultAction() != nullptr &&
                      qobject_cast<CVolumeToolBar*>(button->parentWidget()) != nullptr;
    return ours ? new ToolBarButtonAccessible(button) : nullptr;
}

}  // namespace

QIcon CVolumeToolBar::ButtonImage(int command) {
    [[maybe_unused]] static const bool registered = (InitSliderResources(), true);
    const char* name = nullptr;
    switch (command) {
    case 32771: name = "play"; break;
    case 32773: name = "pause"; break;
    case 32772: name = "stop"; break;
    case 32823: name = "previous"; break;
    case 32822: name = "next"; break;
    case 32796: name = "repeat"; break;
    case 32803: name = "playlist"; break;
    case 32801: name = "mute"; break;
    default: return {};
    }
    return QIcon(QStringLiteral(":/sliders/%1.png").arg(QLatin1String(name)));
}

CVolumeToolBar::CVolumeToolBar() {
    static const bool accessible = (QAccessible::installFactory(ToolBarButtonAccessibleFactory), true);
    (void)accessible;
    setMovable(false);
    setFloatable(false);
    setIconSize(kButtonImageSize);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

bool CVolumeToolBar::Create(QWidget* parent, const std::function<QAction*(int command)>& buttonAction) {
    if (slider != nullptr || !buttonAction) {
        return false;
    }
    std::vector<QAction*> buttons;
    for (const Item& item : kItems) {
        if (item.style != ItemStyle::Button) {
            continue;
        }
        QAction* action = buttonAction(item.command);
        if (action == nullptr) {
            return false;
        }
        buttons.push_back(action);
    }

    setParent(parent);
    auto nextButton = buttons.begin();
    for (std::size_t index = 0; index < kItems.size(); ++index) {
        switch (kItems[index].style) {
        case ItemStyle::Button: {
            QAction* action = *nextButton++;
            if (action->icon().isNull()) {
                action->setIcon(ButtonImage(kItems[index].command));
                action->setIconVisibleInMenu(false);
            }
            addAction(action);
            break;
        }
        case ItemStyle::Separator:
            if (index == kStretchIndex) {
                auto* spacer = new QWidget(this);
                spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
                addWidget(spacer);
            } else {
                addSeparator();
            }
            break;
        case ItemStyle::CheckBox: {
            // The check box only keeps the slider's room at the end of the
            // row; the slider is laid over the bar's right end (resizeEvent).
            auto* place = new QWidget(this);
            place->setFixedSize(kSliderWidth, 1);
            addWidget(place);
            slider = new CVolumeSlider(this);
            slider->setToolTip(tr("Volume"));
            slider->setAccessibleName(tr("Volume"));
            slider->show();
            break;
        }
        }
    }
    PlaceSlider();
    slider->SetPosition(100);
    connect(slider, &CVolumeSlider::thumbPositionReleased, this, &CVolumeToolBar::OnThumbPositionReleased);
    // The buttons are in the window's Tab order, after the seek bar, so the
    // keyboard reaches every control; a click still leaves the focus where it is.
    for (QToolButton* button : findChildren<QToolButton*>()) {
        if (button->defaultAction() != nullptr) {
            button->setFocusPolicy(Qt::TabFocus);
            button->installEventFilter(this);
        }
    }
    // Qt's button for the items that no longer fit, named for a screen reader.
    if (auto* overflow = findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        overflow->setAccessibleName(tr("More buttons"));
    }
    return true;
}

bool CVolumeToolBar::eventFilter(QObject* watched, QEvent* event) {
    const bool keyEvent = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    auto* button = qobject_cast<QToolButton*>(watched);
    if (!keyEvent || button == nullptr) return QToolBar::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool space = key->key() == Qt::Key_Space;
    if (!plain || !(space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        return QToolBar::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();  // the button's key, not the window's shortcut
        return true;
    }
    if (space) return false;  // Qt's button presses on Space and clicks on its release
    button->click();
    return true;
}

void CVolumeToolBar::SetVolumePosition(int percent) {
    if (slider == nullptr) {
        return;
    }
    if (percent < 0 || percent > 100) {
        percent = 0;
    }
    slider->SetPosition(percent);
}

void CVolumeToolBar::PlaceSlider() {
    if (slider == nullptr) {
        return;
    }
    // Too narrow for its items, the bar shows Qt's overflow button at its
    // end, and the slider's room (the last item) is among what no longer
    // fits: the slider steps aside rather than cover that button (the wheel
    // and the Volume menu still set the volume).
    const auto* overflow = findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
    if (overflow != nullptr && overflow->isVisible()) {
        slider->hide();
        return;
    }
    const QRect r = rect();
    slider->setGeometry(r.right() + 1 - kSliderWidth, r.top() + kSliderTopMargin, kSliderWidth,
                        r.bottom() + 1 - kSliderTopMargin);
    slider->show();
    slider->raise();
}

void CVolumeToolBar::resizeEvent(QResizeEvent* event) {
    QToolBar::resizeEvent(event);
    PlaceSlider();
}

int CVolumeToolBar::GetVolumePosition() const { return slider != nullptr ? slider->GetPosition() : 0; }

void CVolumeToolBar::OnThumbPositionReleased(int) { emit VolumeBarChanged(slider->GetPosition()); }

}  // namespace taleno
