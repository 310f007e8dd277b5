// What each language module defines: its table (sorted by id) and the exported lookup.
#pragma once

#include <iterator>

#include "resources/StringEntry.h"

#define RQ_LANGUAGE_MODULE(table)                                                            \
    extern "C" __attribute__((visibility("default"))) const char16_t* RoamquillModuleString( \
        std::uint32_t id) {                                                                  \
        return rq::resources::FindStringEntry(table, std::size(table), id);                  \
    }
