// What the model's procedures ask of the display: the main view implements it over its
// controls, tests record the calls, the tool and the benchmarks ignore them.
#pragma once

namespace rq {

class CCoordinate;

class CViewDisplay {
public:
    virtual ~CViewDisplay() = default;

    // The map's centre; the map repaints.
    virtual void CenterMap(const CCoordinate& at) = 0;
    // Invalidates the control of the current view (nothing when none is shown).
    virtual void RefreshVisibleControl() = 0;
    // The info panel's values from the current track.
    virtual void RefreshInfoValues() = 0;

    // The map's display switches; each setter repaints the map.
    virtual void SetShowPoi(bool show) = 0;
    virtual void SetShowPositionMessage(bool show) = 0;
    virtual void SetShowTrackInfo(bool show) = 0;

    // The map's status icons; each setter repaints the map.
    virtual void SetRecordingIcon(bool shown) = 0;
    virtual void SetPlaybackIcon(bool shown) = 0;
};

// A display that shows nothing, for headless runs.
class CNoDisplay : public CViewDisplay {
public:
    void CenterMap(const CCoordinate&) override {}
    void RefreshVisibleControl() override {}
    void RefreshInfoValues() override {}
    void SetShowPoi(bool) override {}
    void SetShowPositionMessage(bool) override {}
    void SetShowTrackInfo(bool) override {}
    void SetRecordingIcon(bool) override {}
    void SetPlaybackIcon(bool) override {}
};

}  // namespace rq
