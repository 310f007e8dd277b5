// Marked texts for the tests: a lookup served by the module is recognisable at once.
#include "resources/lang/ModuleStrings.h"

namespace {

constexpr rq::resources::StringEntry kStrings[] = {
    {rq::StringId::General, u"[test] General"},
    {rq::StringId::YouHaveToRestartRoamquill, u"[test] restart"},
    {rq::StringId::Menu, u"[test] Menu"},
};

}  // namespace

RQ_LANGUAGE_MODULE(kStrings)
