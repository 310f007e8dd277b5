// Answers the modal dialogs a command opens as a user would: each scripted act waits for
// the next dialog's event loop, fills the dialog in and closes it. The acts are taken in
// order; `Done` tells whether every one of them found its dialog.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <deque>
#include <functional>

namespace rq::test {

class ModalDialogScript {
public:
    using Act = std::function<void(QDialog&)>;

    ModalDialogScript() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || acts_.empty()) return;
            const Act act = std::move(acts_.front());
            acts_.pop_front();
            if (acts_.empty()) timer_.stop();
            act(*dialog);
        });
    }
    void Then(Act act) {
        acts_.push_back(std::move(act));
        timer_.start();
    }
    bool Done() const { return acts_.empty(); }

    // Types `name` into the dialog's text field and presses OK.
    static Act Type(const QString& name) {
        return [name](QDialog& dialog) {
            dialog.findChild<QLineEdit*>()->setText(name);
            dialog.accept();
        };
    }
    // Selects the listed entry that starts with `name` and presses OK; cancels when
    // there is none.
    static Act Choose(const QString& name) {
        return [name](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>();
            const auto found =
                list ? list->findItems(name, Qt::MatchStartsWith | Qt::MatchCaseSensitive)
                     : QList<QListWidgetItem*>();
            if (found.isEmpty()) return dialog.reject();
            list->setCurrentItem(found.first());
            dialog.accept();
        };
    }

private:
    QTimer timer_;
    std::deque<Act> acts_;
};

}  // namespace rq::test
