// roamquill-tool render VIEW ...: one display control drawn from a model filled as the
// program fills it (files loaded as at start, then the log replayed without pacing
// through the per-fix procedure), through the Qt drawing context onto an image saved
// as PNG. It runs in the offscreen platform, so it needs no display. Built only with
// the Qt front end.
#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "app/DisplayProfile.h"
#include "app/Screen.h"
#include "controls/CompassControl.h"
#include "controls/GpsInfoListControl.h"
#include "controls/GpsMapControl.h"
#include "controls/InfoPanelItems.h"
#include "controls/SatelliteControl.h"
#include "tools/Json.h"
#include "tools/LogReplay.h"
#include "tools/ToolCommand.h"
#include "track/TrackFile.h"
#include "ui/IconStore.h"
#include "ui/QtDC.h"
#include "view/ControlModelOf.h"
#include "view/ControlSetup.h"
#include "view/GpsViewData.h"
#include "view/ViewDisplay.h"

namespace rq::tool {

namespace {

constexpr const char* kName = "render";

struct RenderOptions {
    std::string view, log, trk, route, poi, output;
    int width = 240;
    int height = 320;
    std::optional<CCoordinate> center;
    std::optional<double> scale;
    std::uint32_t units = 0;
    int page = 1;  // as the user counts them
};

bool ParseDouble(const std::string& text, double& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return *end == 0 && std::isfinite(out);
}

bool ParseInt(const std::string& text, int low, int high, int& out) {
    double value = 0;
    if (!ParseDouble(text, value) || value != std::floor(value) || value < low || value > high)
        return false;
    out = static_cast<int>(value);
    return true;
}

// An empty string, or what is wrong with the arguments.
std::string ParseArgs(const std::vector<std::string>& args, RenderOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("-", 0) != 0) {
            if (!o.view.empty()) return "unexpected argument '" + a + "'";
            o.view = a;
            continue;
        }
        if (i + 1 >= args.size()) return a + " needs a value";
        const std::string& v = args[++i];
        if (a == "-o") {
            o.output = v;
        } else if (a == "--log") {
            o.log = v;
        } else if (a == "--trk") {
            o.trk = v;
        } else if (a == "--route") {
            o.route = v;
        } else if (a == "--poi") {
            o.poi = v;
        } else if (a == "--size") {
            const std::size_t x = v.find('x');
            if (x == std::string::npos || !ParseInt(v.substr(0, x), 16, 4096, o.width) ||
                !ParseInt(v.substr(x + 1), 16, 4096, o.height))
                return "--size needs WxH, each from 16 to 4096 pixels";
        } else if (a == "--center") {
            const std::size_t comma = v.find(',');
            double lat = 0, lon = 0;
            if (comma == std::string::npos || !ParseDouble(v.substr(0, comma), lat) ||
                !ParseDouble(v.substr(comma + 1), lon) || std::fabs(lat) > 90 ||
                std::fabs(lon) > 180)
                return "--center needs LAT,LON in decimal degrees";
            o.center = CCoordinate(lat, lon);
        } else if (a == "--scale") {
            double scale = 0;
            if (!ParseDouble(v, scale) || scale <= 0)
                return "--scale needs a positive number of metres per pixel";
            o.scale = scale;
        } else if (a == "--units") {
            if (v == "metric")
                o.units = 0;
            else if (v == "imperial")
                o.units = 1;
            else if (v == "nautical")
                o.units = 2;
            else
                return "--units is one of metric, imperial, nautical";
        } else if (a == "--page") {
            if (!ParseInt(v, 1, 1000, o.page)) return "--page needs a page number from 1";
        } else {
            return "unexpected argument '" + a + "'";
        }
    }
    if (o.view != "map" && o.view != "satellite" && o.view != "compass" && o.view != "info")
        return "VIEW is one of map, satellite, compass, info";
    if (o.output.empty()) return "expected -o FILE.png";
    return {};
}

// The four controls set up as the main view sets them up, over one model.
struct Controls {
    Controls(CGpsViewData& data, const DisplayProfile& profile)
        : map(ControlModelOf(data)),
          satellite(ControlModelOf(data)),
          compass(ControlModelOf(data)),
          info(ControlModelOf(data)) {
        SetUpControls(profile, map, satellite, compass, info);
        items = AddInfoPanelItems(info, profile);
    }
    bool Create(int width, int height) {
        for (CGpsControl* control : All()) {
            if (!control->OnCreate()) return false;
            control->OnSize(width, height);
        }
        return true;
    }
    std::array<CGpsControl*, 4> All() { return {&map, &satellite, &compass, &info}; }

    CGpsMapControl map;
    CSatelliteControl satellite;
    CCompassControl compass;
    CGpsInfoListControl info;
    CInfoPanelItems items{};
};

// What the model's procedures ask of the view, done on the controls as the main view
// does it; nothing is on screen, so nothing repaints.
class RenderDisplay : public CViewDisplay {
public:
    RenderDisplay(CGpsViewData& data, Controls& controls) : data_(data), controls_(controls) {}
    void RefreshInfoValues() override {
        RefreshInfoPanel(controls_.items, data_.track, data_.navigating != 0, data_.unitMode);
    }
    void CenterMap(const CCoordinate& at) override { controls_.map.SetCenter(at); }
    // Once at the end of every fix: the view's fix handler advances the sky plot's
    // indicator there.
    void RefreshVisibleControl() override { controls_.satellite.AdvanceBlink(); }
    void SetShowPoi(bool show) override { controls_.map.SetShowPoi(show); }
    void SetShowPositionMessage(bool show) override { controls_.map.SetShowPositionMessage(show); }
    void SetShowTrackInfo(bool show) override { controls_.map.SetShowTrackInfo(show); }
    void SetRecordingIcon(bool shown) override { controls_.map.m_recordIcon.shown = shown; }
    void SetPlaybackIcon(bool shown) override { controls_.map.m_playIcon.shown = shown; }

private:
    CGpsViewData& data_;
    Controls& controls_;
};

bool LoadFiles(const RenderOptions& o, CGpsViewData& data) {
    if (!o.trk.empty() && !LoadTrackFile(o.trk, data.track)) {
        std::fprintf(stderr, "roamquill-tool render: cannot load the track %s\n", o.trk.c_str());
        return false;
    }
    if (!o.route.empty() && !LoadRouteFile(o.route, data.route)) {
        std::fprintf(stderr, "roamquill-tool render: cannot load the route %s\n", o.route.c_str());
        return false;
    }
    if (!o.poi.empty() && !data.localPois.LoadFrom(o.poi)) {
        std::fprintf(stderr, "roamquill-tool render: cannot load the POIs %s\n", o.poi.c_str());
        return false;
    }
    return true;
}

// Without --center: the fix, else the middle of the track, the route, the first POI.
std::optional<CCoordinate> DefaultCenter(const CGpsViewData& data) {
    if (data.track.fix.IsValid()) return CCoordinate(data.track.fix);
    for (const CGpsTrack* points :
         {static_cast<const CGpsTrack*>(&data.track), static_cast<const CGpsTrack*>(&data.route)}) {
        if (points->GetCount() == 0) continue;
        const CDoubleRect b = points->GetBounds();
        return CCoordinate((b.top + b.bottom) / 2, (b.left + b.right) / 2);
    }
    for (const auto& category : data.localPois.Categories()) {
        if (category->GetCount() > 0) return CCoordinate(*category->GetAt(0));
    }
    return std::nullopt;
}

// Qt's notes go to standard error, but not the one about a missing runtime folder,
// which the offscreen platform does not need.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

int Render(const std::vector<std::string>& args) {
    RenderOptions o;
    const std::string error = ParseArgs(args, o);
    if (!error.empty()) return UsageError(kName, error);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    static int argc = 1;
    static char arg0[] = "roamquill-tool";
    static char* argv[] = {arg0, nullptr};
    QGuiApplication application(argc, argv);

    SetScreenSize(o.width, o.height);
    const DisplayProfile profile = BuiltInDisplayProfile(ScreenClassForWidth(o.width));
    CGpsViewData data;
    data.unitMode = o.units;
    data.track.followFix = 1;
    Controls controls(data, profile);
    if (!controls.Create(o.width, o.height)) {
        std::fprintf(stderr, "roamquill-tool render: the controls could not be created\n");
        return 1;
    }
    if (o.page > controls.info.PageCount())
        return UsageError(kName, "--page goes up to " + std::to_string(controls.info.PageCount()));
    if (!LoadFiles(o, data)) return 1;
    RenderDisplay display(data, controls);
    if (!o.log.empty() && !ReplayLogFast(kName, o.log, data, CRecordingSettings(), &display))
        return 1;
    display.RefreshInfoValues();

    if (o.scale) controls.map.SetScale(*o.scale, false);
    if (const std::optional<CCoordinate> center = o.center ? o.center : DefaultCenter(data))
        controls.map.SetCenter(*center);
    controls.info.SetPage(o.page - 1);

    CGpsControl* control = o.view == "map"         ? static_cast<CGpsControl*>(&controls.map)
                           : o.view == "satellite" ? static_cast<CGpsControl*>(&controls.satellite)
                           : o.view == "compass"   ? static_cast<CGpsControl*>(&controls.compass)
                                                   : static_cast<CGpsControl*>(&controls.info);
    ui::StoredIconSource icons;
    std::unique_ptr<ui::QtDC> dc = ui::QtDC::OnImage(CSize{o.width, o.height}, &icons);
    if (!dc) {
        std::fprintf(stderr, "roamquill-tool render: cannot make a %dx%d image\n", o.width,
                     o.height);
        return 1;
    }
    control->Draw(*dc, CRect{0, 0, o.width, o.height});
    if (!dc->Image()->save(QString::fromStdString(o.output), "PNG")) {
        std::fprintf(stderr, "roamquill-tool render: cannot write %s\n", o.output.c_str());
        return 1;
    }
    JsonLine line;
    line.Field("event", "render").Field("view", o.view).Field("file", o.output);
    line.Field("width", o.width).Field("height", o.height).Print();
    return 0;
}

const ToolCommand kRender(
    kName,
    "VIEW [--log LOG] [--trk FILE] [--route FILE] [--poi FILE] [--size WxH] "
    "[--center LAT,LON] [--scale M] [--units metric|imperial|nautical] [--page N] -o FILE.png",
    "draw one view (map, satellite, compass, info) of a model filled from a log and files "
    "into a PNG image",
    Render);

}  // namespace

}  // namespace rq::tool
