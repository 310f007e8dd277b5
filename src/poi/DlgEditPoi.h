// The "Edit POI" dialog without its widgets: name, type, category and the decimal
// entry of the coordinate with its hemisphere lists. The caller sets the exchanged
// values, calls Open to fill the controls, and reads the values back after an Ok.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "geo/Coordinate.h"
#include "poi/PoiCollection.h"

namespace rq {

class CDlgEditPoi {
public:
    struct TypeEntry {
        std::u16string label;
        std::uint32_t type;
    };
    // The hemisphere lists, index 0 for the positive side.
    static constexpr std::array<std::u16string_view, 2> kLatitudeHemispheres = {u"North", u"South"};
    static constexpr std::array<std::u16string_view, 2> kLongitudeHemispheres = {u"East", u"West"};

    // `collection` gives the caption and the category list.
    explicit CDlgEditPoi(const CPoiCollection& collection);

    // Exchanged with the caller.
    std::u16string name;
    std::u16string categoryName;
    CCoordinate coordinate;
    std::uint32_t type = 0;

    // Fills the controls below from the exchanged values.
    void Open();
    // The collection's name, or "<No Name>".
    std::u16string Caption() const;
    // The collection's category names in collection order ("General" alone when it has
    // none), and the 34 type labels in table order.
    const std::vector<std::u16string>& CategoryNames() const { return categories_; }
    const std::vector<TypeEntry>& Types() const { return types_; }

    // The controls, as shown and edited.
    std::u16string nameText;
    std::u16string latitudeText;
    std::u16string longitudeText;
    int latitudeHemisphere = 0;   // 0 North, 1 South
    int longitudeHemisphere = 0;  // 0 East, 1 West
    int categoryIndex = 0;
    // -1 for a type value without a row: OK then keeps the type as it was.
    int typeIndex = 0;

    // False (after "You have entered an invalid coordinate!") when either coordinate text
    // is not a number, the dialog staying open; otherwise the exchanged values take the
    // controls' values. Neither an empty name nor an out-of-range coordinate is refused.
    bool Ok();

private:
    const CPoiCollection& collection_;
    std::vector<std::u16string> categories_;
    std::vector<TypeEntry> types_;
};

}  // namespace rq
