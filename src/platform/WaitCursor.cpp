#include "platform/WaitCursor.h"

#include <utility>

namespace taleno {

namespace {
std::function<void()> g_show;
std::function<void()> g_restore;
}  // namespace

void SetWaitCursorHooks(std::function<void()> show, std::function<void()> restore) {
    g_show = std::move(show);
    g_restore = std::move(restore);
}

void ShowWaitCursor() {
    if (g_show) g_show();
}

void RestoreWaitCursor() {
    if (g_restore) g_restore();
}

}  // namespace taleno
