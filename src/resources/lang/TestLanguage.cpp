// Marked texts for the tests: a lookup served by the module is recognisable at once.
#include "resources/lang/ModuleStrings.h"

namespace {

constexpr rq::resources::StringEntry kStrings[] = {
    {210, u"[test] General"},
    {237, u"[test] restart"},
    {302, u"[test] Menu"},
};

}  // namespace

RQ_LANGUAGE_MODULE(kStrings)
