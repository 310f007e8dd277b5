#include "app/CommandBarSwitch.h"

#include "app/Settings.h"

namespace rq {

void CommandBarSwitch::ShowCommandBar(int index) {
    for (int i = 0; i < kCommandBarCount; ++i) SetBarShown(i, false);
    if (index < 0 || index >= kCommandBarCount) return;
    SetBarShown(index, true);
    SetLastView(static_cast<std::uint32_t>(index));
}

int CommandBarSwitch::VisibleCommandBar() const {
    for (int i = 0; i < kCommandBarCount; ++i) {
        if (IsBarShown(i)) return i;
    }
    return kNoCommandBar;
}

}  // namespace rq
