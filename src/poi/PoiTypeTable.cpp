#include "poi/PoiTypeTable.h"

namespace rq {

namespace {

// Rows 0 ("Unknown") and 33 ("Others") share one icon.
constexpr PoiTypeRow kRows[kPoiTypeCount] = {
    {0, 149, 6, 6, 315},    {1, 159, 12, 12, 303},  {2, 150, 12, 14, 304},  {3, 160, 12, 12, 305},
    {4, 161, 12, 12, 306},  {5, 162, 12, 12, 307},  {6, 172, 12, 12, 308},  {7, 173, 12, 12, 309},
    {8, 174, 12, 12, 310},  {9, 157, 12, 12, 311},  {10, 175, 12, 12, 312}, {11, 176, 12, 12, 313},
    {12, 177, 12, 12, 314}, {13, 178, 16, 8, 336},  {14, 151, 16, 16, 316}, {15, 167, 12, 12, 317},
    {16, 164, 12, 12, 318}, {17, 163, 12, 12, 319}, {18, 179, 10, 11, 320}, {19, 152, 12, 12, 321},
    {20, 153, 12, 12, 322}, {21, 158, 12, 12, 323}, {22, 170, 12, 12, 324}, {23, 171, 17, 9, 325},
    {24, 165, 12, 12, 326}, {25, 169, 11, 12, 327}, {26, 168, 12, 12, 328}, {27, 166, 12, 12, 329},
    {28, 180, 11, 12, 330}, {29, 181, 12, 12, 331}, {30, 182, 15, 12, 332}, {31, 154, 12, 12, 333},
    {32, 183, 9, 9, 334},   {33, 149, 6, 6, 335},
};

}  // namespace

const PoiTypeRow* PoiTypeRows() {
    return kRows;
}

const PoiTypeRow* FindPoiType(std::uint32_t type) {
    return type < kPoiTypeCount ? &kRows[type] : nullptr;
}

std::uint32_t PoiTypeLabelId(std::uint32_t type) {
    const PoiTypeRow* row = FindPoiType(type);
    return row != nullptr ? row->labelId : 0;
}

}  // namespace rq
