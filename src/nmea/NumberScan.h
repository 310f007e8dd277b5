// Number reading of field text with the C library's scanf conventions, without
// copying the field to the heap.
#pragma once

#include <cstdint>
#include <string_view>

namespace rq::nmea {

// "%lf": leading white space, sign, decimal or hexadecimal digits, exponent, "inf",
// "nan". False when nothing can be read.
bool ScanDouble(std::u16string_view text, double& value);
// atoi: leading white space, sign, decimal digits; saturates at the int range.
int ScanInteger(std::u16string_view text);
// "%lx": leading white space, sign, optional "0x", hexadecimal digits. False when
// no digit can be read; saturates at the 64-bit range.
bool ScanHex(std::u16string_view text, std::uint64_t& value);

}  // namespace rq::nmea
