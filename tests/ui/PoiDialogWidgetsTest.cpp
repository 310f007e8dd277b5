// The POI dialogs' widgets open, lay out on a small and a large screen and close on
// Cancel; their controls show what the logic holds and hand the user's acts back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include "support/AppTest.h"
#include "support/QtTestApp.h"
#include "ui/dialogs/EditPoiDialog.h"
#include "ui/dialogs/ManagePoiDialog.h"
#include "ui/dialogs/SelectPoiCollectionDialog.h"

namespace rq {
namespace {

class PoiDialogWidgetsTest : public test::UiAppTest {
protected:
    static void OpenAtBothSizesAndCancel(QDialog& dialog) {
        for (QSize screen : {QSize(240, 320), QSize(480, 640)}) {
            dialog.resize(screen);
            dialog.show();
            test::TestApp().processEvents();
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_LE(dialog.minimumSizeHint().width(), screen.width());
            EXPECT_LE(dialog.minimumSizeHint().height(), screen.height());
        }
        dialog.reject();
        EXPECT_FALSE(dialog.isVisible());
    }
};

TEST_F(PoiDialogWidgetsTest, OpenAndCancel) {
    test::TestApp();
    CPoiCollection pois;
    pois.AddCategory(u"Cafes")->AddPoi(u"Sacher", CCoordinate(48.2, 16.37), 31);

    CDlgSelectPoiCollection select;
    ui::SelectPoiCollectionDialog selectDialog(select);
    EXPECT_EQ(selectDialog.Collections()->count(), 2);
    OpenAtBothSizesAndCancel(selectDialog);
    selectDialog.Collections()->setCurrentIndex(1);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&selectDialog, &enter);  // the action key is OK
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

}  // namespace
}  // namespace rq
