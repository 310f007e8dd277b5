#include "keepers/GpsKeeper.h"

#include "resources/MessageIds.h"

namespace rq {

std::unique_ptr<platform::MessagePayload> CGpsKeeper::MakePositionPayload() const {
    return std::make_unique<CPositionMessage>(position_);
}

void CGpsKeeper::PostPosition() {
    for (platform::WindowHandle window : Windows()) {
        if (!platform::IsWindow(window)) continue;
        platform::WindowMessage message;
        message.id = kMsgPosition;
        message.wParam = kPositionNewFix;
        message.payload = MakePositionPayload();
        // lParam names the copy for receivers that read it the device's way; the
        // payload owns it.
        if (auto* fix = dynamic_cast<CPositionMessage*>(message.payload.get()))
            message.lParam = reinterpret_cast<std::intptr_t>(&fix->position);
        platform::PostMessage(window, std::move(message));
    }
    position_.changedMask = 0;
}

void CGpsKeeper::PostCode(std::uintptr_t code) {
    for (platform::WindowHandle window : Windows()) {
        if (!platform::IsWindow(window)) continue;
        platform::WindowMessage message;
        message.id = kMsgPosition;
        message.wParam = code;
        platform::PostMessage(window, std::move(message));
    }
}

void CGpsKeeper::PostConnectionLost() {
    PostCode(kPositionConnectionLost);
}

void CGpsKeeper::PostSourceEnded() {
    PostCode(kPositionSourceEnded);
}

}  // namespace rq
