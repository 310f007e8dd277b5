// Golden images of `roamquill-tool render`: each view of one fixed model (the demo log,
// the same log's track as the route, the demo POIs) compared pixel for pixel
// with tests/data/golden/render-VIEW.png. The pictures depend on the fonts of the
// set-up (fonts-dejavu-core). After a deliberate change of the drawing, make the
// references again with
//   RQ_UPDATE_GOLDEN=1 build/rq_tests --gtest_filter='RenderGolden.*'
// and look at every changed picture before committing it.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "support/CaseTable.h"
#include "support/QtTestApp.h"
#include "support/TempFolder.h"
#include "tools/CommandOutput.h"

namespace rq {
namespace {

using tooltest::kTool;
const std::string kGolden = RQ_SOURCE_DIR "/tests/data/golden/";

int RunTool(const std::string& args) {
    int status = -1;
    tooltest::CommandOutputLines("TZ=UTC '" + kTool + "' " + args + " 2>&1", status);
    return status;
}

TEST(RenderGolden, EveryViewMatchesItsReference) {
    if (!tooltest::ToolBuilt()) GTEST_SKIP() << "roamquill-tool is not built";
    test::TestApp();
    test::TempFolder folder;
    // The route: the demo log's own track.
    ASSERT_EQ(
        RunTool("track '" RQ_SOURCE_DIR "/samples/demo.nmea' -o '" + (folder / "route.trk") + "'"),
        0);
    const bool update = !qEnvironmentVariableIsEmpty("RQ_UPDATE_GOLDEN");
    const std::string model =
        "--log '" RQ_SOURCE_DIR "/samples/demo.nmea' --route '" + (folder / "route.trk") +
        "' --poi '" RQ_SOURCE_DIR
        "/samples/demo.poi' --size 240x320 --center 51.5031,-0.1528 --scale 1.2";
    const std::pair<std::string, std::string> views[] = {
        {"map", ""}, {"satellite", ""}, {"compass", ""}, {"info", " --page 2 --units imperial"}};
    for (const auto& [view, extra] : views) {
        SCOPED_TRACE(view);
        const std::string reference = kGolden + "render-" + view + ".png";
        const std::string output = update ? reference : folder / "out.png";
        ASSERT_EQ(
            RunTool(std::string("render ") + view + " " + model + extra + " -o '" + output + "'"),
            0);
        if (update) continue;
        const QImage actual =
            QImage(QString::fromStdString(output)).convertToFormat(QImage::Format_RGB32);
        const QImage expected =
            QImage(QString::fromStdString(reference)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(expected.isNull()) << "no reference " << reference;
        ASSERT_EQ(actual.size(), expected.size());
        if (actual != expected) {
            const std::string kept = std::string(RQ_BINARY_DIR "/render-") + view + "-actual.png";
            actual.save(QString::fromStdString(kept));
            ADD_FAILURE() << "the render differs from " << reference << "; it is kept as " << kept;
        }
    }
}

// What a user can get wrong is refused with a message and no picture.
TEST(RenderGolden, BadArgumentsAreRefused) {
    if (!tooltest::ToolBuilt()) GTEST_SKIP() << "roamquill-tool is not built";
    test::TempFolder folder;
    for (const auto& row : test::CaseTable("tools/render-bad-arguments.txt")) {
        std::string args = row[0];
        if (const std::size_t at = args.find("OUT"); at != std::string::npos)
            args.replace(at, 3, "-o '" + (folder / "x.png") + "'");
        EXPECT_NE(RunTool(args), 0) << args;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "x.png"));
}

}  // namespace
}  // namespace rq
