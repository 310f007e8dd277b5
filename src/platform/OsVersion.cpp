#include "platform/OsVersion.h"

#include <mutex>

namespace rq::platform {

namespace {
std::mutex gMutex;
std::optional<std::optional<OsVersion>> gInjected;
}  // namespace

std::optional<OsVersion> GetOsVersion() {
    std::lock_guard<std::mutex> lock(gMutex);
    if (gInjected) return *gInjected;
    // The interfaces of the device's version 5.0 are what this layer provides.
    return OsVersion{5, 0};
}

void InjectOsVersion(std::optional<std::optional<OsVersion>> version) {
    std::lock_guard<std::mutex> lock(gMutex);
    gInjected = version;
}

}  // namespace rq::platform
