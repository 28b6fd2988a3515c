#pragma once
// The tests' way into CScreenSaverGuard: whether it keeps the screen on.

#include "platform/ScreenSaverGuard.h"

namespace taleno {

class ScreenSaverGuardTestAccess {
public:
    explicit ScreenSaverGuardTestAccess(const CScreenSaverGuard& guard) : guard(guard) {}

    bool IsDisabled() const { return guard.disabled; }

private:
    const CScreenSaverGuard& guard;
};

}  // namespace taleno
