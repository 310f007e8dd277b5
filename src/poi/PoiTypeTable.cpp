#include "poi/PoiTypeTable.h"

namespace rq {

namespace {

// Rows 0 ("Unknown") and 33 ("Others") share one icon.
constexpr PoiTypeRow kRows[kPoiTypeCount] = {
    {0, 149, 6, 6, StringId::Unknown},           {1, 159, 12, 12, StringId::Port},
    {2, 150, 12, 14, StringId::Parking},         {3, 160, 12, 12, StringId::Museum},
    {4, 161, 12, 12, StringId::Church},          {5, 162, 12, 12, StringId::Garage},
    {6, 172, 12, 12, StringId::Hotel},           {7, 173, 12, 12, StringId::MovieCenter},
    {8, 174, 12, 12, StringId::FineArt},         {9, 157, 12, 12, StringId::GasStation},
    {10, 175, 12, 12, StringId::PoliceStation},  {11, 176, 12, 12, StringId::FireStation},
    {12, 177, 12, 12, StringId::Park},           {13, 178, 16, 8, StringId::Zoo},
    {14, 151, 16, 16, StringId::Hospital},       {15, 167, 12, 12, StringId::Medical},
    {16, 164, 12, 12, StringId::School},         {17, 163, 12, 12, StringId::PostOffice},
    {18, 179, 10, 11, StringId::RailwayStation}, {19, 152, 12, 12, StringId::BusStation},
    {20, 153, 12, 12, StringId::Shopping},       {21, 158, 12, 12, StringId::Airport},
    {22, 170, 12, 12, StringId::Bank},           {23, 171, 17, 9, StringId::Atm},
    {24, 165, 12, 12, StringId::Library},        {25, 169, 11, 12, StringId::Mansion},
    {26, 168, 12, 12, StringId::DrugStore},      {27, 166, 12, 12, StringId::Sports},
    {28, 180, 11, 12, StringId::Entertainment},  {29, 181, 12, 12, StringId::Business},
    {30, 182, 15, 12, StringId::WifiSpot},       {31, 154, 12, 12, StringId::Dining},
    {32, 183, 9, 9, StringId::Civilian},         {33, 149, 6, 6, StringId::Others},
};

}  // namespace

const PoiTypeRow* PoiTypeRows() {
    return kRows;
}

const PoiTypeRow* FindPoiType(std::uint32_t type) {
    return type < kPoiTypeCount ? &kRows[type] : nullptr;
}

std::optional<StringId> PoiTypeLabelId(std::uint32_t type) {
    const PoiTypeRow* row = FindPoiType(type);
    if (row == nullptr) return std::nullopt;
    return row->labelId;
}

}  // namespace rq
