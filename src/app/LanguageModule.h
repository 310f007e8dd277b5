// Loading a language's resource module and making it the source of every later text.
#pragma once

#include <cstdint>

#include "platform/Loader.h"

namespace rq {

// Loads the module of language `id` (nothing for the built-in language or an unknown
// id) and, when that succeeds, makes it the current resource module. Returns the
// handle, or null; a failed load is silent.
platform::LibraryHandle LoadLanguageModule(std::uint32_t id);
// Returns to the built-in texts when `module` is current, then frees it.
void FreeLanguageModule(platform::LibraryHandle module);

}  // namespace rq
