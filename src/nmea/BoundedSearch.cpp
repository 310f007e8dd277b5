#include "nmea/BoundedSearch.h"

#include <algorithm>

namespace rq::nmea {

int BoundedSearch(std::u16string_view key, int count, const void* table, KeyAt keyAt) {
    int lower = 0;
    int upper = count;
    int probe = count / 2;
    int counter = std::max(10, count / 2 + 2);
    while (lower != upper && counter >= 0) {
        const int c = key.compare(keyAt(table, probe));
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
