// Each dialog widget opens, lays out on a small and a large screen, and closes on
// Cancel; the chooser's Menu commands reach its logic.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <fstream>

#include "platform/MessageBox.h"
#include "platform/Registry.h"
#include "support/QtTestApp.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempFolder.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/dialogs/GpsSetupDialog.h"

namespace rq {
namespace {

// Shows the dialog at both screen sizes, checks nothing spills out, then cancels.
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

TEST(DialogWidgetsTest, FileDialogsAndGpsSetupOpenAndCancel) {
    test::TestApp();
    test::TempFolder folder;
    platform::OpenRegistry(folder / "registry.reg");
    test::ScriptedUserInterface ui;
    platform::SetUserInterface(&ui);
    for (const char* name : {"a.trk", "b.trk"}) std::ofstream(folder / name) << "x";

    ui::OpenFileDialog chooser(folder.Path(), "*.trk", ".trk", CDlgOpenFile::Bar::DeleteRename);
    EXPECT_EQ(chooser.List()->count(), 2);
    EXPECT_EQ(chooser.List()->currentRow(), 0);
    ui.AnswerNext(platform::MessageAnswer::Yes);
    chooser.Delete();
    EXPECT_EQ(chooser.List()->count(), 1);
    OpenAtBothSizesAndCancel(chooser);

    ui::FilenameDialog name(u"Enter file name", u"trip");
    EXPECT_EQ(name.Edit()->text(), QStringLiteral("trip"));
    name.Edit()->setText(QStringLiteral("  "));
    name.accept();  // refused: stays open
    EXPECT_EQ(ui.Messages().back().text, u"Your input is invalid");
    OpenAtBothSizesAndCancel(name);

    ui::GpsSetupDialog setup;
    EXPECT_EQ(setup.Ports()->count(), 16);
    EXPECT_EQ(setup.Bauds()->currentText(), QStringLiteral("4800"));
    OpenAtBothSizesAndCancel(setup);

    platform::SetUserInterface(nullptr);
    test::TempFolder leftOver;
    platform::OpenRegistry(leftOver / "registry.reg");
}

}  // namespace
}  // namespace rq
