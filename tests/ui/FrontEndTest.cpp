#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QToolBar>
#include <QToolButton>
#include <atomic>
#include <thread>

#include "app/DisplayProfile.h"
#include "app/Screen.h"
#include "app/Settings.h"
#include "resources/CommandIds.h"
#include "resources/MessageIds.h"
#include "support/AppTest.h"
#include "support/QtTestApp.h"
#include "ui/MainFrame.h"
#include "ui/QtWindowTarget.h"
#include "ui/SingleInstance.h"
#include "ui/dialogs/LanguageDialog.h"

namespace rq {
namespace {

void Pump() {
    for (int i = 0; i < 5; ++i) test::TestApp().processEvents();
}

struct Counted : platform::MessagePayload {
    explicit Counted(std::atomic<int>& alive) : alive_(alive) { ++alive_; }
    ~Counted() override { --alive_; }
    std::atomic<int>& alive_;
};

TEST(QtWindowTarget, PostedMessagesRunOnTheGuiThreadOrAreFreed) {
    test::TestApp();
    std::atomic<int> alive{0};
    std::vector<std::uintptr_t> handled;
    std::thread::id handlerThread;
    auto target = ui::QtWindowTarget::Create([&](platform::WindowMessage& message) {
        handled.push_back(message.wParam);
        handlerThread = std::this_thread::get_id();
    });
    const platform::WindowHandle window = target->Handle();
    std::thread worker([&] {
        for (std::uintptr_t code : {1u, 2u, 3u}) {
            EXPECT_TRUE(platform::PostMessage(
                window, {kMsgPosition, code, 0, std::make_unique<Counted>(alive)}));
        }
    });
    worker.join();
    EXPECT_TRUE(handled.empty());  // nothing runs before the GUI thread pumps
    Pump();
    EXPECT_EQ(handled, (std::vector<std::uintptr_t>{1, 2, 3}));
    EXPECT_EQ(handlerThread, std::this_thread::get_id());
    EXPECT_EQ(alive, 0);

    // Queued, then the window closes before its turn: dropped and freed.
    EXPECT_TRUE(platform::PostMessage(window, {0, 9, 0, std::make_unique<Counted>(alive)}));
    EXPECT_EQ(alive, 1);
    target->Close();
    target.reset();
    Pump();
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(handled.size(), 3u);
    EXPECT_FALSE(platform::IsWindow(window));
}

// A worker's send waits for the GUI thread, unless the worker is asked to stop: the
// message is then never handled, and freed when its turn comes.
TEST(QtWindowTarget, SentMessagesWaitForTheGuiThreadUnlessGivenUp) {
    test::TestApp();
    std::atomic<int> alive{0};
    std::atomic<int> handled{0};
    auto target = ui::QtWindowTarget::Create([&](platform::WindowMessage&) { ++handled; });
    platform::Event stop(true, false), next;
    platform::SendResult results[2] = {};
    std::thread worker([&] {
        for (platform::SendResult& result : results) {
            if (&result != results) next.Wait(platform::kInfinite);
            platform::WindowMessage message{0, 0, 0, std::make_unique<Counted>(alive)};
            result = platform::SendMessage(target->Handle(), message, stop);
        }
    });
    while (handled == 0) Pump();
    stop.Set();  // the GUI thread is busy elsewhere from here on
    next.Set();
    worker.join();
    EXPECT_EQ(results[0], platform::SendResult::Handled);
    EXPECT_EQ(results[1], platform::SendResult::GivenUp);
    EXPECT_EQ(alive, 1);
    Pump();
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(alive, 0);
    target->Close();
}

using FrontEndTest = test::UiAppTest;

TEST_F(FrontEndTest, FrameHasFourBarsWithOneShown) {
    test::TestApp();
    ui::CMainFrame frame(480, 640, true, BuiltInDisplayProfile(kScreenClassVga));
    EXPECT_EQ(frame.VisibleCommandBar(), kNoCommandBar);
    for (int index : {3, 1, 2, 0, 4, -1, 99}) {
        frame.ShowCommandBar(index);
        const bool valid = index >= 0 && index < 4;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(!frame.CommandBar(i)->isHidden(), i == index) << index;
        EXPECT_EQ(frame.VisibleCommandBar(), valid ? index : kNoCommandBar) << index;
        EXPECT_EQ(GetLastView(), valid ? static_cast<std::uint32_t>(index) : 0u)
            << "nothing stored";
    }
    const char* captions[4] = {"Menu Views Map ", "Menu Views Satellite ", "Menu Views ",
                               "Menu Views Info "};
    for (int view = 0; view < 4; ++view) {
        QString joined;
        for (QToolButton* button : frame.CommandBar(view)->findChildren<QToolButton*>())
            if (button->menu() != nullptr) joined += button->text() + " ";
        EXPECT_EQ(joined.toStdString(), captions[view]);
    }
    // A view command posted as WM_COMMAND switches the bar.
    const auto satellite = static_cast<std::uintptr_t>(CommandId::ViewSatellite);
    ASSERT_TRUE(platform::PostMessage(frame.Handle(), {platform::kMsgCommand, satellite}));
    Pump();
    EXPECT_EQ(frame.VisibleCommandBar(), 1);
    EXPECT_EQ(GetLastView(), 1u);
}

TEST_F(FrontEndTest, LanguageDialogNeedsASelection) {
    test::TestApp();
    SetLanguageId(9);
    ui::LanguageDialog dialog;
    ASSERT_EQ(dialog.List()->count(), 3);
    EXPECT_TRUE(dialog.List()->selectedItems().isEmpty());
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.List()->setFocus();
    Pump();
    // The focused list highlights its current row: with nothing selected, none may be current.
    ASSERT_TRUE(dialog.List()->hasFocus());
    EXPECT_EQ(dialog.List()->currentRow(), -1);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(dialog.List(), &down);
    EXPECT_EQ(dialog.List()->selectedItems().size(), 1) << "the keyboard still chooses";
    dialog.List()->setCurrentRow(1);
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenId(), 2u);

    SetLanguageId(3);
    ui::LanguageDialog again;
    ASSERT_EQ(again.List()->selectedItems().size(), 1);
    EXPECT_EQ(again.List()->selectedItems()[0]->text(), QStringLiteral("Traditional Chinese"));
}

TEST_F(FrontEndTest, SecondInstanceRaisesTheFirst) {
    test::TestApp();
    EXPECT_EQ(ui::SingleInstance::KeyFor(QStringLiteral("\\Program Files\\rq.exe")),
              ui::SingleInstance::KeyFor(QStringLiteral("/Program Files/rq.exe")));
    EXPECT_NE(ui::SingleInstance::KeyFor(QStringLiteral("/a/rq")),
              ui::SingleInstance::KeyFor(QStringLiteral("/b/rq")));
    const QString program = QString::fromStdString(folder_.Path() + "roamquill");
    ui::SingleInstance first(program);
    ASSERT_TRUE(first.Acquire());
    int raised = 0;
    first.SetRaiseHandler([&] { ++raised; });
    {
        ui::SingleInstance second(program);
        EXPECT_FALSE(second.Acquire(3, 10));
    }
    for (int i = 0; i < 50 && raised == 0; ++i) {
        Pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(raised, 1);
    // Another program file has its own lock.
    ui::SingleInstance other(program + QStringLiteral("2"));
    EXPECT_TRUE(other.Acquire(1, 10));
}

}  // namespace
}  // namespace rq
