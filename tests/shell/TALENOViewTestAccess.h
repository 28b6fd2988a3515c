#pragma once
// The tests' way into CTALENOView: its mode and its children.

#include "shell/TALENOView.h"

namespace taleno {

class TALENOViewTestAccess {
public:
    explicit TALENOViewTestAccess(const CTALENOView& view) : view(view) {}

    // The native video window, and the widget the view places it with.
    QWidget* VideoWindow() const { return view.videoWindow; }
    QWidget* VideoArea() const { return view.videoHolder; }
    CColorLabel* UpperCaption() const { return view.upperCaption; }
    CColorLabel* LowerCaption() const { return view.lowerCaption; }

private:
    const CTALENOView& view;
};

}  // namespace taleno
