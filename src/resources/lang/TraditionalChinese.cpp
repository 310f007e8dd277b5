// Traditional Chinese texts. Ids without a translation fall back to English.
#include "resources/lang/ModuleStrings.h"

namespace {

constexpr rq::resources::StringEntry kStrings[] = {
    {rq::StringId::Map, u"\u5730\u5716"},        // Map
    {rq::StringId::Satellite, u"\u885b\u661f"},  // Satellite
    {rq::StringId::Info, u"\u8cc7\u8a0a"},       // Info
    {rq::StringId::Views, u"\u6aa2\u8996"},      // Views
    {rq::StringId::Menu, u"\u9078\u55ae"},       // Menu
};

}  // namespace

RQ_LANGUAGE_MODULE(kStrings)
