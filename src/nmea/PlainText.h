// Small appenders for the plain-English renderings, without format strings.
#pragma once

#include <string>

namespace rq::nmea {

// `decimals` places; the unset value appends "unknown".
void AppendNumber(std::u16string& out, double value, int decimals);
void AppendInteger(std::u16string& out, long long value);
// Two digits with a leading zero.
void AppendTwoDigits(std::u16string& out, int value);

}  // namespace rq::nmea
