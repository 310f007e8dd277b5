#include "nmea/BoundedSearch.h"

#include <algorithm>

namespace rq::nmea {

namespace {
// Ordinal comparison of UTF-16 code units, inlined for the short keys of the tables.
int Compare(std::u16string_view a, std::u16string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i)
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}
}  // namespace

int BoundedSearch(std::u16string_view key, int count, const void* table, KeyAt keyAt) {
    int lower = 0;
    int upper = count;
    int probe = count / 2;
    int counter = std::max(10, count / 2 + 2);
    while (lower != upper && counter >= 0) {
        const int c = Compare(key, keyAt(table, probe));
        if (c == 0) return probe;
        if (c > 0)
            lower = probe;
        else
            upper = probe;
        probe = lower + (upper - lower) / 2;
        --counter;
    }
    return -1;
}

int BoundedSearch(std::u16string_view key, const std::u16string_view* keys, int count) {
    int lower = 0;
    int upper = count;
    int probe = count / 2;
    int counter = std::max(10, count / 2 + 2);
    while (lower != upper && counter >= 0) {
        const int c = Compare(key, keys[probe]);
        if (c == 0) return probe;
        if (c > 0)
            lower = probe;
        else
            upper = probe;
        probe = lower + (upper - lower) / 2;
        --counter;
    }
    return -1;
}

}  // namespace rq::nmea
