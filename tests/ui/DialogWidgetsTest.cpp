// Each dialog widget opens, lays out on a small and a large screen and closes on Cancel;
// its controls show what the logic holds, and its keys and Menu commands reach the logic.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

#include "app/Screen.h"
#include "controls/GpsMapControl.h"
#include "support/AppTest.h"
#include "support/QtTestApp.h"
#include "ui/dialogs/EditPoiDialog.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/dialogs/FriendEditDialog.h"
#include "ui/dialogs/FriendListDialog.h"
#include "ui/dialogs/GpsSensitivityDialog.h"
#include "ui/dialogs/GpsSetupDialog.h"
#include "ui/dialogs/InputTextDialog.h"
#include "ui/dialogs/ManagePoiDialog.h"
#include "ui/dialogs/NavigateToDialog.h"
#include "ui/dialogs/PositionMessagesDialog.h"
#include "ui/dialogs/SelectPoiCollectionDialog.h"
#include "ui/dialogs/TrackListDialog.h"
#include "view/ControlModelOf.h"

namespace rq {
namespace {

class DialogWidgetsTest : public test::UiAppTest {
protected:
    void SetUp() override {
        UiAppTest::SetUp();
        test::TestApp();
    }
    // Shows the dialog at both screen sizes, checks nothing spills out, then cancels.
    static void OpenAtBothSizesAndCancel(QDialog& dialog) {
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
    static void PressReturn(QWidget* target) {
        QKeyEvent action(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(target, &action);
    }
    static QStringList Keys(QDialog& dialog) {
        QStringList out;
        for (QToolButton* key : dialog.findChildren<QToolButton*>()) out << key->text();
        return out;
    }
};

TEST_F(DialogWidgetsTest, FileDialogsAndGpsSetup) {
    for (const char* name : {"a.trk", "b.trk"}) test::WriteText(folder_ / name, "x");
    ui::OpenFileDialog chooser(folder_.Path(), "*.trk", ".trk", CDlgOpenFile::Bar::DeleteRename);
    EXPECT_EQ(chooser.List()->count(), 2);
    ui_.AnswerNext(platform::MessageAnswer::Yes);
    chooser.Delete();
    EXPECT_EQ(chooser.List()->count(), 1);
    OpenAtBothSizesAndCancel(chooser);

    ui::FilenameDialog name(u"Enter file name", u"trip");
    name.Edit()->setText(QStringLiteral("  "));
    name.accept();  // refused: stays open
    EXPECT_EQ(ui_.Messages().back().text, u"Your input is invalid");
    OpenAtBothSizesAndCancel(name);

    ui::GpsSetupDialog setup;
    EXPECT_EQ(setup.Ports()->count(), 16);
    OpenAtBothSizesAndCancel(setup);
}

TEST_F(DialogWidgetsTest, Navigation) {
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
    navigateByDialog.Sources()->setCurrentIndex(-1);
    ui_.ClearMessages();
    navigateByDialog.accept();  // nothing selected: stays open without a word
    EXPECT_NE(navigateByDialog.result(), QDialog::Accepted);
    EXPECT_TRUE(ui_.Messages().empty());
    navigateByDialog.Sources()->setCurrentIndex(4);
    PressReturn(navigateByDialog.Sources());
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
        EXPECT_EQ(Keys(listDialog), navigate ? (QStringList{"Navigate", "Cancel"})
                                             : (QStringList{"Go to", "Cancel", "Menu"}));
        OpenAtBothSizesAndCancel(listDialog);
    }
}

TEST_F(DialogWidgetsTest, Poi) {
    CPoiCollection pois;
    pois.AddCategory(u"Cafes")->AddPoi(u"Sacher", CCoordinate(48.2, 16.37), 31);

    CDlgSelectPoiCollection select;
    ui::SelectPoiCollectionDialog selectDialog(select);
    OpenAtBothSizesAndCancel(selectDialog);
    selectDialog.Collections()->setCurrentIndex(1);
    PressReturn(&selectDialog);  // the action key is OK
    EXPECT_EQ(selectDialog.result(), QDialog::Accepted);
    EXPECT_EQ(select.Result(), PoiCollectionKind::Track);

    CDlgEditPoi edit(pois);
    edit.name = u"Hut";
    edit.coordinate = CCoordinate(-12.5, 7);
    edit.type = 2;
    edit.Open();
    ui::EditPoiDialog editDialog(edit);
    EXPECT_EQ(editDialog.Types()->count(), 34);
    EXPECT_EQ(editDialog.Types()->currentText(), QStringLiteral("Parking"));
    EXPECT_FALSE(editDialog.Types()->itemIcon(2).isNull());
    EXPECT_EQ(editDialog.LatitudeHemisphere()->currentText(), QStringLiteral("South"));
    EXPECT_EQ(editDialog.Name()->selectedText(), QStringLiteral("Hut"));
    editDialog.Latitude()->setText(QStringLiteral("north"));
    editDialog.accept();  // refused: stays open
    EXPECT_EQ(ui_.Messages().back().text, u"You have entered an invalid coordinate!");
    OpenAtBothSizesAndCancel(editDialog);

    CDlgManagePoi manage(pois, {});
    manage.Open();
    ui::ManagePoiDialog manageDialog(manage);
    manageDialog.Categories()->setCurrentIndex(0);  // "Cafes"
    ASSERT_EQ(manageDialog.Pois()->count(), 1);
    manageDialog.Pois()->setCurrentRow(0);
    EXPECT_EQ(manage.PoiSelection(), 0u);
    EXPECT_EQ(manageDialog.Menu()->actions().size(), 12);
    OpenAtBothSizesAndCancel(manageDialog);
}

TEST_F(DialogWidgetsTest, Friends) {
    CFriendList list;
    list.AddFriend(u"0123", u"Ann");
    list.AddFriend(u"0456", u"Bob", true);
    auto noSave = [](const CFriendList&) { return true; };

    const int width = ScreenWidth(), height = ScreenHeight();
    SetScreenSize(480, 640);  // VGA: double-size check boxes
    CDlgFriendList choose(list, CDlgFriendList::Mode::Choose, noSave);
    ui::FriendListDialog chooser(choose);
    EXPECT_EQ(Keys(chooser), (QStringList{"OK", "Cancel"}));
    EXPECT_EQ(chooser.List()->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(chooser.List()->currentRow(), 0);
    PressReturn(chooser.List());  // the action key flips Ann
    EXPECT_TRUE(list.GetAt(0)->selected);
    EXPECT_EQ(chooser.List()->item(0)->checkState(), Qt::Checked);
    OpenAtBothSizesAndCancel(chooser);
    const int box = QApplication::style()->pixelMetric(QStyle::PM_IndicatorHeight);
    EXPECT_GE(chooser.List()->visualItemRect(chooser.List()->item(0)).height(), 2 * box)
        << "each row holds its check box";
    SetScreenSize(width, height);

    CDlgFriendList manage(list, CDlgFriendList::Mode::Manage, noSave);
    manage.SetEditor([](CDlgFriendEdit& edit) {
        edit = CDlgFriendEdit(u"Cid", u"0789");
        return true;
    });
    ui::FriendListDialog manager(manage);
    EXPECT_EQ(Keys(manager), (QStringList{"Close", "Menu"}));
    EXPECT_EQ(manager.List()->item(0)->data(Qt::CheckStateRole), QVariant());
    manager.findChild<QMenu*>()->actions().at(0)->trigger();  // "Add Friend"
    ASSERT_EQ(manager.List()->count(), 3);
    EXPECT_EQ(manager.List()->item(2)->text(), QStringLiteral("0789 Cid"));
    EXPECT_EQ(manager.List()->currentRow(), 2);
    OpenAtBothSizesAndCancel(manager);

    CDlgFriendEdit friendEdit(u"Ann", u"0123");
    ui::FriendEditDialog editor(friendEdit);
    EXPECT_EQ(editor.Number()->maxLength(), 63);
    OpenAtBothSizesAndCancel(editor);
    editor.Name()->setText(QStringLiteral("Anna"));
    editor.accept();
    EXPECT_EQ(friendEdit.name, u"Anna");

    CDlgInputText inputText;
    ui::InputTextDialog input(inputText);
    OpenAtBothSizesAndCancel(input);
    input.Edit()->setPlainText(QStringLiteral("two\nlines"));
    input.accept();
    EXPECT_EQ(inputText.text, u"two\nlines");

    CGpsViewData data;
    data.positionTexts.AddPositionText(1, 2, u"first", u"A");
    data.positionTexts.AddPositionText(3, 4, u"second", u"B");
    CDlgPositionMessages messages(data);
    ui::PositionMessagesDialog messageList(messages);
    EXPECT_EQ(Keys(messageList), (QStringList{"Go to", "Menu", "Cancel"}));
    EXPECT_EQ(messageList.List()->item(0)->text(), QStringLiteral("second"));  // newest first
    data.positionTexts.SetModified(false);
    messageList.RunCommand(CommandId::PositionMessageDelete);  // No keeps it
    EXPECT_EQ(ui_.Messages().back().text, u"Are you sure to delete this position text?");
    EXPECT_FALSE(data.positionTexts.IsModified());
    ui_.AnswerNext(platform::MessageAnswer::Yes);
    messageList.RunCommand(CommandId::PositionMessageDelete);
    EXPECT_EQ(messageList.List()->count(), 1);
    OpenAtBothSizesAndCancel(messageList);
    messageList.RunCommand(CommandId::PositionMessageNavigate);
    EXPECT_EQ(messageList.result(), CDlgPositionMessages::kResultNavigate);
    EXPECT_EQ(data.navigating, 1u);
    EXPECT_TRUE(data.target.IsSamePosition(CCoordinate(1, 2)));
}

}  // namespace
}  // namespace rq
