#pragma once
// The tests' way into CColorLabel: its flash timer and the link opener.

#include "shell/ColorLabel.h"

namespace taleno {

class ColorLabelTestAccess {
public:
    explicit ColorLabelTestAccess(CColorLabel& label) : label(label) {}

    void OnFlashTick() { label.ToggleFlashPhase(); }
    bool IsFlashTimerSet() const { return label.flashTimer.isActive(); }
    // Replaces the desktop's opener of link addresses.
    void SetUrlOpener(CColorLabel::UrlOpener opener) { label.SetUrlOpener(std::move(opener)); }

private:
    CColorLabel& label;
};

}  // namespace taleno
