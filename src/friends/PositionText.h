// A received text tied to a map point.
#pragma once

#include <string>

#include "geo/Coordinate.h"

namespace rq {

class CPositionText : public CCoordinate {
public:
    CPositionText(double latitude, double longitude, std::u16string text, std::u16string sender)
        : CCoordinate(latitude, longitude), sender(std::move(sender)), text(std::move(text)) {}

    std::u16string sender;  // the sender's address as the network gave it
    std::u16string text;
};

}  // namespace rq
