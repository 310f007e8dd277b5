// The current resource module: the loaded language module whose texts are served before
// the built-in English ones. Chosen once at start-up, before any window exists.
#pragma once

#include "platform/Loader.h"
#include "resources/StringEntry.h"

namespace rq {

// Makes `module` the current resource module, its texts found through `lookup`. A null
// module (or lookup) returns to the built-in texts. The caller keeps owning the handle.
void SetResourceModule(platform::LibraryHandle module, resources::ModuleStringLookup lookup);
platform::LibraryHandle CurrentResourceModule();

}  // namespace rq
