#pragma once
// Window messages on Qt's event loop.
//
// The player's windows and the engine controller never call the main frame
// directly; they post (queue) or send (deliver at once) numbered messages to
// "the application's main window". Here that is whatever MessageTarget has
// been registered with SetMainMessageTarget, so a test can put a recorder in
// the frame's place. Message numbers keep their historic values (WM_USER+n).

#include <cstdint>

namespace taleno {

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;

constexpr unsigned WM_USER = 0x0400;

class MessageTarget {
public:
    virtual ~MessageTarget();
    // Called on the user-interface thread for every message delivered.
    virtual void OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) = 0;
};

// Registers the main message target (nullptr to clear). A target that is
// destroyed must clear itself first; messages still queued are then dropped.
void SetMainMessageTarget(MessageTarget* target);
MessageTarget* GetMainMessageTarget();

// Queues the message for the main target. Safe from any thread; messages are
// delivered on the thread that owns the QCoreApplication, in posting order.
// Without a QCoreApplication or a target at delivery time, the message is dropped.
void PostMainMessage(unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);

// Delivers the message to the main target before returning (user-interface
// thread only). Returns false when no target is registered.
bool SendMainMessage(unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);

}  // namespace taleno
