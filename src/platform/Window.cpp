#include "platform/Window.h"

#include <mutex>
#include <unordered_map>

#include "platform/Delivery.h"

namespace rq::platform {

namespace {

std::mutex gWindowsMutex;
std::unordered_map<WindowHandle, std::shared_ptr<MessageTarget>> gWindows;
WindowHandle gLastHandle = kNoWindow;

// The target is taken out under the lock and used after it is released, so a handler
// may register and unregister windows, and the target lives until the call returns.
std::shared_ptr<MessageTarget> Find(WindowHandle window) {
    std::lock_guard<std::mutex> lock(gWindowsMutex);
    auto it = gWindows.find(window);
    return it == gWindows.end() ? nullptr : it->second;
}

}  // namespace

WindowHandle RegisterWindow(std::shared_ptr<MessageTarget> target) {
    if (!target) return kNoWindow;
    std::lock_guard<std::mutex> lock(gWindowsMutex);
    // Handles are not reused soon, so a message meant for a dead window never reaches a
    // new one.
    do {
        ++gLastHandle;
    } while (gLastHandle == kNoWindow || gWindows.count(gLastHandle) != 0);
    gWindows.emplace(gLastHandle, std::move(target));
    return gLastHandle;
}

void UnregisterWindow(WindowHandle window) {
    std::shared_ptr<MessageTarget> target;
    {
        std::lock_guard<std::mutex> lock(gWindowsMutex);
        auto it = gWindows.find(window);
        if (it == gWindows.end()) return;
        target = std::move(it->second);
        gWindows.erase(it);
    }
    // `target` may be the last owner: it is destroyed here, outside the lock.
}

bool IsWindow(WindowHandle window) {
    std::lock_guard<std::mutex> lock(gWindowsMutex);
    return gWindows.count(window) != 0;
}

bool PostMessage(WindowHandle window, WindowMessage message) {
    std::shared_ptr<MessageTarget> target = Find(window);
    if (!target) {
        message.payload.reset();  // dropped: what it owned is freed now
        return false;
    }
    target->Queue(std::move(message));
    return true;
}

namespace {

SendResult Send(WindowHandle window, WindowMessage& message, Waitable* giveUp) {
    std::shared_ptr<MessageTarget> target = Find(window);
    if (!target) return SendResult::NotHandled;
    auto delivery = std::make_shared<Delivery>(std::move(message));
    SendResult result = target->Deliver(delivery) ? delivery->Wait(giveUp) : SendResult::NotHandled;
    if (result != SendResult::GivenUp) message = std::move(delivery->Message());
    return result;
}

}  // namespace

bool SendMessage(WindowHandle window, WindowMessage& message) {
    return Send(window, message, nullptr) == SendResult::Handled;
}

SendResult SendMessage(WindowHandle window, WindowMessage& message, Waitable& giveUp) {
    return Send(window, message, &giveUp);
}

}  // namespace rq::platform
