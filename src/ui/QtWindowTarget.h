// The owner side of a window on the Qt GUI thread: posted messages become queued
// invocations, sent messages blocking ones. A window that is closed drops what is still
// queued for it and frees the payloads.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "platform/Window.h"

namespace rq::ui {

class QtWindowTarget : public QObject, public platform::MessageTarget {
    Q_OBJECT

public:
    using Handler = std::function<void(platform::WindowMessage&)>;

    // Registers a target living on the calling (GUI) thread; the handle is valid until
    // Close.
    static std::shared_ptr<QtWindowTarget> Create(Handler handler);
    ~QtWindowTarget() override;

    platform::WindowHandle Handle() const { return handle_; }
    // Unregisters the window; messages still queued are dropped when they come up.
    void Close();

    void Queue(platform::WindowMessage message) override;
    bool Deliver(std::shared_ptr<platform::Delivery> delivery) override;

private:
    explicit QtWindowTarget(Handler handler);
    bool Handle(platform::WindowMessage& message);

    Handler handler_;  // GUI thread only; empty once closed
    platform::WindowHandle handle_ = platform::kNoWindow;
};

}  // namespace rq::ui
