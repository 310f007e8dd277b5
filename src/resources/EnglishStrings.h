// The built-in English string table, sorted by id.
#pragma once

#include <cstddef>

#include "resources/StringEntry.h"

namespace rq::resources {

const StringEntry* EnglishStrings();
std::size_t EnglishStringCount();

}  // namespace rq::resources
