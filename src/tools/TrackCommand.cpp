// roamquill-tool track LOG -o FILE.trk [--ta DEG] [--ts M] [--max N]: plays the log
// without pacing through the real player and the per-fix procedure, saves the track and
// prints its statistics and the info panel texts.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/Json.h"
#include "tools/LogReplay.h"
#include "tools/ToolCommand.h"
#include "track/InfoPanelTexts.h"
#include "track/TrackFile.h"
#include "view/GpsViewData.h"

namespace rq::tool {

namespace {

bool ParseCount(const std::string& text, std::uint32_t& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    if (*end != 0 || value > 0xFFFFFFFFull || text[0] == '-') return false;
    out = static_cast<std::uint32_t>(value);
    return true;
}

void PrintResult(CGpsViewData& data, const std::string& output) {
    CGpsTrackInfo& t = data.track;
    JsonLine stats;
    stats.Field("event", "track").Field("file", output);
    stats.Field("points", static_cast<std::int64_t>(t.GetCount()));
    stats.Field("fixes", t.fixCount).Field("mileage_m", t.GetMileage());
    stats.Field("avg_speed_kmh", t.avgSpeed).Field("max_speed_kmh", t.maxSpeed);
    if (t.maxAltitude == kUnset)
        stats.Null("max_alt_m").Null("min_alt_m");
    else
        stats.Field("max_alt_m", t.maxAltitude).Field("min_alt_m", t.minAltitude);
    stats.Field("acceleration_ms", t.acceleration).Field("ascent_rate_mmin", t.ascentRate);
    stats.Field("start_time", static_cast<std::int64_t>(t.startTime));
    const CDoubleRect b = t.GetBounds();
    stats.Field("west", b.left)
        .Field("north", b.top)
        .Field("east", b.right)
        .Field("south", b.bottom);
    stats.Print();

    CInfoPanelTexts texts = InitialInfoPanelTexts();
    RefreshInfoPanelTexts(texts, t, data.navigating != 0, data.unitMode);
    for (const CInfoPanelText& text : texts) {
        JsonLine line;
        line.Field("label", text.label).Field("value", text.value).Field("unit", text.unit);
        line.Print();
    }
}

int Track(const std::vector<std::string>& args) {
    std::string log, output;
    CRecordingSettings settings;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "-o" && hasValue) {
            output = args[++i];
        } else if (a == "--ta" && hasValue) {
            if (!ParseCount(args[++i], settings.taThreshold))
                return UsageError("track", "--ta needs a whole number of degrees");
        } else if (a == "--ts" && hasValue) {
            if (!ParseCount(args[++i], settings.tsThreshold))
                return UsageError("track", "--ts needs a whole number of metres");
        } else if (a == "--max" && hasValue) {
            if (!ParseCount(args[++i], settings.maxTrackPoints) || settings.maxTrackPoints < 2)
                return UsageError("track", "--max needs a number of points of at least 2");
        } else if (log.empty() && a.rfind("-", 0) != 0) {
            log = a;
        } else {
            return UsageError("track", "unexpected argument '" + a + "'");
        }
    }
    if (log.empty() || output.empty()) return UsageError("track", "expected LOG -o FILE.trk");

    CGpsViewData data;
    if (!ReplayLogFast("track", log, data, settings, nullptr)) return 1;
    if (!SaveTrackFile(output, data.track)) {
        std::fprintf(stderr, "roamquill-tool track: cannot write %s\n", output.c_str());
        return 1;
    }
    PrintResult(data, output);
    return 0;
}

const ToolCommand kTrack("track", "LOG -o FILE.trk [--ta DEG] [--ts M] [--max N]",
                         "record a track from a log through the per-fix procedure and save it",
                         Track);

}  // namespace

}  // namespace rq::tool
