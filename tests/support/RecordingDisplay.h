// A display that writes down what the model's procedures asked of it, in order:
// "info", "centre LAT,LON", "refresh", "pois on", "texts off", "track info on",
// "recording icon off", "playback icon on".
#pragma once

#include <string>
#include <vector>

#include "geo/Coordinate.h"
#include "view/ViewDisplay.h"

namespace rq::test {

class RecordingDisplay : public CViewDisplay {
public:
    void CenterMap(const CCoordinate& at) override {
        calls.push_back("centre " + std::to_string(at.m_lat.value) + "," +
                        std::to_string(at.m_lon.value));
    }
    void RefreshVisibleControl() override { calls.push_back("refresh"); }
    void RefreshInfoValues() override { calls.push_back("info"); }
    void SetShowPoi(bool show) override { Switch("pois", show); }
    void SetShowPositionMessage(bool show) override { Switch("texts", show); }
    void SetShowTrackInfo(bool show) override { Switch("track info", show); }
    void SetRecordingIcon(bool shown) override { Switch("recording icon", shown); }
    void SetPlaybackIcon(bool shown) override { Switch("playback icon", shown); }

    std::vector<std::string> calls;

private:
    void Switch(const std::string& what, bool on) { calls.push_back(what + (on ? " on" : " off")); }
};

}  // namespace rq::test
