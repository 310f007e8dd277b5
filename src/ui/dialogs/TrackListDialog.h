// The "Track List" dialog of friend tracks. Its rules are CDlgTrackList's; this only
// shows them and forwards the soft keys.
#pragma once

#include <QDialog>

#include "view/DlgTrackList.h"

class QListWidget;

namespace rq::ui {

class TrackListDialog : public QDialog {
    Q_OBJECT

public:
    // Opens the logic's list.
    explicit TrackListDialog(CDlgTrackList& logic, QWidget* parent = nullptr);
    QListWidget* List() const { return list_; }
    // The left soft key: "Go to" or "Navigate".
    void accept() override;

    // The "Menu" soft key's commands.
    void Navigate();
    void Delete();

private:
    void ShowItems();

    CDlgTrackList& logic_;
    QListWidget* list_;
};

}  // namespace rq::ui
