// Numbers as display text. printf would follow the process locale (the Qt front end
// installs the user's, which may use a decimal comma); these always write a point, as
// the device did.
#pragma once

#include <string>
#include <string_view>

namespace rq {

// The text of "%.Nf" for N = decimals (negative counts as 0, more than 30 as 30).
std::string FixedText(double value, int decimals);
std::u16string FixedText16(double value, int decimals);

// "%lf" reading: leading white space skipped, an optional sign, then the longest
// number prefix ("12.5 km" reads 12.5). Empty when no number starts the text.
bool ReadDouble(std::u16string_view text, double& out);

}  // namespace rq
