// The "Manage POI" dialog without its widgets: a sorted drop-down list of a
// collection's categories above the POIs of the selected one, and the category and POI
// commands of its "Menu" soft key with their messages. What reaches beyond the
// collection (the map, navigation, sending, the nested dialogs) goes through Actions.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "poi/DlgEditPoi.h"
#include "poi/PoiCollection.h"

namespace rq {

// The name dialog: the entered name (trimmed, not empty), or none on Cancel.
using PoiNameAsker = std::function<std::optional<std::u16string>(std::u16string_view prompt,
                                                                 std::u16string_view proposed)>;

class CDlgManagePoi {
public:
    struct Actions {
        std::function<void(const CPoi&)> goTo;          // POI display on, map centred
        std::function<void(const CPoi&)> centre;        // the map centred
        std::function<void(const CPoi&)> navigate;      // the POI as navigation target
        std::function<void(const CPoi&)> sendToFriend;  // to the friends the user chooses
        std::function<bool(CDlgEditPoi&)> editPoi;      // true on OK
        PoiNameAsker askName;
    };
    struct CategoryItem {
        CPoiCategory* category;
        std::u16string text;  // the name, or "<No Name>"
    };
    struct PoiItem {
        CPoi* poi;
        std::u16string text;  // the name, or "<" + type label + ">"
    };

    CDlgManagePoi(CPoiCollection& collection, Actions actions);

    // Fills both lists and selects the first category.
    void Open();
    // The collection's name, or "<No Name>".
    std::u16string Caption() const;

    // Sorted alphabetically, without regard to case.
    const std::vector<CategoryItem>& Categories() const { return categories_; }
    std::optional<std::size_t> CategorySelection() const { return categorySelection_; }
    // Refills the POI list with the selected category's POIs, none selected.
    void SelectCategory(std::optional<std::size_t> index);
    const std::vector<PoiItem>& Pois() const { return pois_; }
    std::optional<std::size_t> PoiSelection() const { return poiSelection_; }
    void SelectPoi(std::optional<std::size_t> index);

    // The POI commands act on the selected POI and do nothing without one; each
    // returns true when the manager closes with OK.
    bool GoToPoi();
    // The action key: centres the map on the selected POI, if any, and closes.
    bool Ok();
    bool Navigate();
    void SendToFriend();
    void DeletePoi();
    void EditPoi();

    void AddCategory();
    void EditCategory();
    void DeleteCategory();

private:
    CPoi* SelectedPoi();
    CPoiCategory* SelectedCategory() const;
    void FillCategories(const CPoiCategory* select);
    void FillPois();
    std::u16string PoiText(const CPoi& poi) const;
    void SelectNear(std::size_t index);

    CPoiCollection& collection_;
    Actions actions_;
    std::vector<CategoryItem> categories_;
    std::optional<std::size_t> categorySelection_;
    std::vector<PoiItem> pois_;
    std::optional<std::size_t> poiSelection_;
};

}  // namespace rq
