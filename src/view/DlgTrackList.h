// The "Track List" dialog without its widgets: one entry per friend track, with "Go
// to", "Navigate" and "Delete" (the track and its file in "ftracks").
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace rq {

class CGpsMapControl;
class CGpsTrackInfo;
class CGpsViewData;

class CDlgTrackList {
public:
    // The soft keys: "Go to", "Cancel" and "Menu" ("Navigate", "Delete") from the
    // "Friend Track List" command; "Navigate" and "Cancel" as the friend choice of
    // "Navigate By".
    enum class Bar { GoToMenu, Navigate };
    struct Item {
        CGpsTrackInfo* track;
        std::u16string text;  // the owner identifier, then a blank and the short name
    };

    CDlgTrackList(CGpsMapControl& map, CGpsViewData& data, Bar bar);

    // One entry per friend track in list order, the first selected.
    void Open();
    Bar CommandBar() const { return bar_; }
    const std::vector<Item>& Items() const { return items_; }
    std::optional<std::size_t> Selection() const { return selection_; }
    void Select(std::optional<std::size_t> index);

    // The left soft key: "Go to" or "Navigate" by the bar; true when the dialog closes.
    bool Ok() { return bar_ == Bar::Navigate ? Navigate() : GoTo(); }
    // Centres the map on the selected track's fix; false after "Select a track first."
    bool GoTo();
    // Navigates to the selected track's fix, named by its short name or else its owner,
    // writes the navigation settings and centres the map; false after "Select a track
    // first." or, for a track without a valid fix, "Can not navigate due to no
    // position information of your friend."
    bool Navigate();
    // Asks, then deletes the track's file in "ftracks" (a missing file is no failure),
    // the track and its entry, and repaints the map. A file that cannot be deleted keeps
    // everything ("Deleting track '%s' failed").
    void Delete();

private:
    CGpsTrackInfo* Selected();

    CGpsMapControl& map_;
    CGpsViewData& data_;
    Bar bar_;
    std::vector<Item> items_;
    std::optional<std::size_t> selection_;
};

}  // namespace rq
