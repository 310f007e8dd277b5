// The device owner's name: the registry value "Owner" under
// HKEY_CURRENT_USER\ControlPanel\Owner (at most 1024 bytes, trimmed); when the store has
// no such value, the account's full name from the password database.
#pragma once

#include <string>

namespace rq::platform {

std::u16string GetOwnerName();

}  // namespace rq::platform
