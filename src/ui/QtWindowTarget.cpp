#include "ui/QtWindowTarget.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include "platform/Delivery.h"

namespace rq::ui {

std::shared_ptr<QtWindowTarget> QtWindowTarget::Create(Handler handler) {
    // Workers may hold the last reference for a moment; the object is then deleted on
    // its own thread.
    std::shared_ptr<QtWindowTarget> target(new QtWindowTarget(std::move(handler)),
                                           [](QtWindowTarget* t) {
                                               if (QThread::currentThread() == t->thread()) {
                                                   delete t;
                                               } else {
                                                   t->deleteLater();
                                               }
                                           });
    target->handle_ = platform::RegisterWindow(target);
    return target;
}

QtWindowTarget::QtWindowTarget(Handler handler) : handler_(std::move(handler)) {}

QtWindowTarget::~QtWindowTarget() = default;

void QtWindowTarget::Close() {
    if (handle_ != platform::kNoWindow) platform::UnregisterWindow(handle_);
    handle_ = platform::kNoWindow;
    handler_ = nullptr;
}

bool QtWindowTarget::Handle(platform::WindowMessage& message) {
    if (!handler_) return false;
    handler_(message);
    return true;
}

void QtWindowTarget::Queue(platform::WindowMessage message) {
    // The invocation owns the message: when it runs after Close, or never runs because
    // this object is gone, the message and its payload are freed with it.
    auto owned = std::make_shared<platform::WindowMessage>(std::move(message));
    QMetaObject::invokeMethod(
        this, [this, owned] { Handle(*owned); }, Qt::QueuedConnection);
}

bool QtWindowTarget::Deliver(std::shared_ptr<platform::Delivery> delivery) {
    auto run = [this](platform::Delivery& d) {
        if (handler_) d.Run(handler_);
    };
    if (QThread::currentThread() == thread()) {
        run(*delivery);
        delivery->Drop();  // closed: not run
        return true;
    }
    // The invocation's last copy drops the delivery, so the sender is released when it
    // ran, when it came up after Close, and when this object was deleted with it pending.
    std::shared_ptr<platform::Delivery> released(delivery.get(),
                                                 [delivery](platform::Delivery* d) { d->Drop(); });
    QMetaObject::invokeMethod(
        this, [run, released] { run(*released); }, Qt::QueuedConnection);
    return true;
}

}  // namespace rq::ui
