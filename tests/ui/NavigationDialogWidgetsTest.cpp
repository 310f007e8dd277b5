// The sensitivity, "Navigate By" and track list widgets open, lay out on a small and a
// large screen, and close on Cancel; their keys reach the logic.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include "controls/GpsMapControl.h"
#include "support/AppTest.h"
#include "support/QtTestApp.h"
#include "ui/dialogs/GpsSensitivityDialog.h"
#include "ui/dialogs/NavigateToDialog.h"
#include "ui/dialogs/TrackListDialog.h"
#include "view/ControlModelOf.h"

namespace rq {
namespace {

void OpenAtBothSizesAndCancel(QDialog& dialog) {
    for (QSize screen : {QSize(240, 320), QSize(480, 640)}) {
        dialog.resize(screen);
        dialog.show();
        test::TestApp().processEvents();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_LE(dialog.minimumSizeHint().width(), screen.width())
            << dialog.windowTitle().toStdString();
        EXPECT_LE(dialog.minimumSizeHint().height(), screen.height());
    }
    dialog.reject();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

using NavigationDialogWidgetsTest = test::UiAppTest;

TEST_F(NavigationDialogWidgetsTest, OpenLayOutAndCancel) {
    test::TestApp();
    CDlgGpsSensitivity sensitivity(CRecordingSettings{});
    ui::GpsSensitivityDialog sensitivityDialog(sensitivity);
    QLineEdit* segment = sensitivityDialog.Field(CDlgGpsSensitivity::TrackSegment);
    EXPECT_EQ(segment->text(), QStringLiteral("6"));
    segment->setText(QStringLiteral("x"));
    sensitivityDialog.show();
    sensitivityDialog.accept();  // refused: the field in fault gets the focus
    EXPECT_TRUE(sensitivityDialog.isVisible());
    EXPECT_EQ(sensitivityDialog.focusWidget(), segment);
    OpenAtBothSizesAndCancel(sensitivityDialog);

    CDlgNavigateTo navigateBy;
    ui::NavigateToDialog navigateByDialog(navigateBy);
    EXPECT_EQ(navigateByDialog.Sources()->itemText(4), QStringLiteral("Here"));
    navigateByDialog.Sources()->setCurrentIndex(-1);
    ui_.ClearMessages();
    navigateByDialog.accept();  // nothing selected: stays open without a word
    EXPECT_NE(navigateByDialog.result(), QDialog::Accepted);
    EXPECT_TRUE(ui_.Messages().empty());
    navigateByDialog.Sources()->setCurrentIndex(4);
    QKeyEvent action(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(navigateByDialog.Sources(), &action);
    EXPECT_EQ(navigateByDialog.result(), QDialog::Accepted);
    EXPECT_EQ(navigateBy.Result(), CDlgNavigateTo::Source::Here);
    OpenAtBothSizesAndCancel(navigateByDialog);

    CGpsViewData data;
    data.friendTracks.AddOwner(u"+1", u"Bob", kFriendTrackColour);
    CGpsMapControl map(ControlModelOf(data));
    for (auto bar : {CDlgTrackList::Bar::GoToMenu, CDlgTrackList::Bar::Navigate}) {
        CDlgTrackList list(map, data, bar);
        ui::TrackListDialog listDialog(list);
        EXPECT_EQ(listDialog.List()->currentRow(), 0);
        const bool navigate = bar == CDlgTrackList::Bar::Navigate;
        EXPECT_EQ(listDialog.findChild<QToolButton*>(QStringLiteral("OK"))->text(),
                  navigate ? QStringLiteral("Navigate") : QStringLiteral("Go to"));
        EXPECT_EQ(listDialog.findChild<QToolButton*>(QStringLiteral("Menu")) != nullptr, !navigate);
        OpenAtBothSizesAndCancel(listDialog);
    }
}

}  // namespace
}  // namespace rq
