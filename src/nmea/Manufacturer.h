// One row of the manufacturer code list: the three-letter code and the company.
#pragma once

#include <string>
#include <string_view>

namespace rq {

struct MANUFACTURER {
    std::u16string mnemonic;
    std::u16string companyName;
};

// The company of a manufacturer code, or empty text for a code not in the list.
// The list is built on first use (safe from any thread) and kept sorted by code.
std::u16string_view LookUpManufacturer(std::u16string_view code);
// The number of rows of the list.
int ManufacturerCount();

}  // namespace rq
