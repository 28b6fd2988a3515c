#pragma once
// The tests' way into CTALENOView: its mode and its children.

#include "shell/TALENOView.h"

namespace taleno {

class TALENOViewTestAccess {
public:
    explicit TALENOViewTestAccess(const CTALENOView& view) : view(view) {}

    bool VideoMode() const { return view.videoMode_; }
    // The native video window, and the widget the view places it with.
    QWidget* VideoWindow() const { return view.videoWindow_; }
    QWidget* VideoArea() const { return view.videoHolder_; }
    QLabel* LogoPanel() const { return view.logoPanel_; }
    CColorLabel* UpperCaption() const { return view.upperCaption_; }
    CColorLabel* LowerCaption() const { return view.lowerCaption_; }

private:
    const CTALENOView& view;
};

}  // namespace taleno
