// The main frame's four command bars, one per view, of which exactly one is shown: the
// index of the shown bar is the current view.
#pragma once

namespace rq {

inline constexpr int kCommandBarCount = 4;
// "Which bar is visible" when none is.
inline constexpr int kNoCommandBar = 4;

class CommandBarSwitch {
public:
    virtual ~CommandBarSwitch() = default;

    // Hides all bars; for an index 0 to 3 shows that bar and stores it as "Last View".
    // Any other index leaves all hidden and stores nothing.
    void ShowCommandBar(int index);
    // The first shown bar in the order 0 to 3, or kNoCommandBar.
    int VisibleCommandBar() const;

protected:
    virtual void SetBarShown(int index, bool shown) = 0;
    virtual bool IsBarShown(int index) const = 0;
};

}  // namespace rq
