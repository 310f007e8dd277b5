// The friend dialogs' widgets open, lay out on a small and a large screen and close on
// Cancel; checks, the action key and the Menu commands reach their logic.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

#include "app/Screen.h"
#include "platform/MessageBox.h"
#include "support/QtTestApp.h"
#include "support/ScriptedUserInterface.h"
#include "ui/dialogs/FriendEditDialog.h"
#include "ui/dialogs/FriendListDialog.h"
#include "ui/dialogs/InputTextDialog.h"
#include "ui/dialogs/PositionMessagesDialog.h"
#include "view/GpsViewData.h"

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

QStringList Keys(QDialog& dialog) {
    QStringList out;
    for (QToolButton* key : dialog.findChildren<QToolButton*>()) out << key->text();
    return out;
}

TEST(FriendsDialogWidgetsTest, EachOpensAndCancels) {
    test::TestApp();
    test::ScriptedUserInterface ui;
    platform::SetUserInterface(&ui);
    CFriendList list;
    list.AddFriend(u"0123", u"Ann");
    list.AddFriend(u"0456", u"Bob", true);
    auto noSave = [](const CFriendList&) { return true; };

    SetScreenSize(480, 640);  // VGA: double-size check boxes
    CDlgFriendList choose(list, CDlgFriendList::Mode::Choose, noSave);
    ui::FriendListDialog chooser(choose);
    EXPECT_EQ(Keys(chooser), (QStringList{"OK", "Cancel"}));
    EXPECT_EQ(chooser.List()->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(chooser.List()->currentRow(), 0);
    QKeyEvent action(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(chooser.List(), &action);  // the action key flips Ann
    EXPECT_TRUE(list.GetAt(0)->selected);
    EXPECT_EQ(chooser.List()->item(0)->checkState(), Qt::Checked);
    OpenAtBothSizesAndCancel(chooser);
    const int box = QApplication::style()->pixelMetric(QStyle::PM_IndicatorHeight);
    EXPECT_GE(chooser.List()->visualItemRect(chooser.List()->item(0)).height(), 2 * box)
        << "each row holds its check box";

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
    EXPECT_EQ(ui.Messages().back().text, u"Are you sure to delete this position text?");
    EXPECT_FALSE(data.positionTexts.IsModified());
    ui.AnswerNext(platform::MessageAnswer::Yes);
    messageList.RunCommand(CommandId::PositionMessageDelete);
    EXPECT_EQ(messageList.List()->count(), 1);
    OpenAtBothSizesAndCancel(messageList);
    messageList.RunCommand(CommandId::PositionMessageNavigate);
    EXPECT_EQ(messageList.result(), CDlgPositionMessages::kResultNavigate);
    EXPECT_EQ(data.navigating, 1u);
    EXPECT_TRUE(data.target.IsSamePosition(CCoordinate(1, 2)));

    platform::SetUserInterface(nullptr);
}

}  // namespace
}  // namespace rq
