#include "platform/WindowMessages.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include <atomic>

namespace taleno {

namespace {
std::atomic<MessageTarget*> g_mainTarget{nullptr};

void Deliver(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (MessageTarget* target = g_mainTarget.load()) {
        target->OnMessage(message, wParam, lParam);
    }
}
}  // namespace

MessageTarget::~MessageTarget() {
    MessageTarget* self = this;
    g_mainTarget.compare_exchange_strong(self, nullptr);
}

void SetMainMessageTarget(MessageTarget* target) { g_mainTarget.store(target); }

MessageTarget* GetMainMessageTarget() { return g_mainTarget.load(); }

void PostMainMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        return;
    }
    // Queued calls on the application object run on its thread in the order
    // they were queued, which is the posting order the frame relies on.
    QMetaObject::invokeMethod(
        app, [message, wParam, lParam] { Deliver(message, wParam, lParam); }, Qt::QueuedConnection);
}

bool SendMainMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    MessageTarget* target = g_mainTarget.load();
    if (target == nullptr) {
        return false;
    }
    target->OnMessage(message, wParam, lParam);
    return true;
}

}  // namespace taleno
