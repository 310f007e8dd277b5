// The operating-system version query. This platform layer offers the device
// interfaces the program needs, and so reports itself as version 5.x.
#pragma once

#include <cstdint>
#include <optional>

namespace rq::platform {

struct OsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
};

// None when the query fails.
std::optional<OsVersion> GetOsVersion();
// Tests inject an older version or a failing query; std::nullopt restores the real one.
void InjectOsVersion(std::optional<std::optional<OsVersion>> version);

}  // namespace rq::platform
