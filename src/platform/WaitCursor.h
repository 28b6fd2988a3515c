#pragma once
// The application's wait cursor, for logic code that has no widgets.
//
// The window layer registers how to show and restore the cursor (for example
// with QGuiApplication::setOverrideCursor and restoreOverrideCursor); until it
// does, both are no-ops. User-interface thread only.

#include <functional>

namespace taleno {

// Registers the pair; empty functions restore the no-op default.
void SetWaitCursorHooks(std::function<void()> show, std::function<void()> restore);

void ShowWaitCursor();
void RestoreWaitCursor();

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
public:
    WaitCursor() { ShowWaitCursor(); }
    ~WaitCursor() { RestoreWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace taleno
