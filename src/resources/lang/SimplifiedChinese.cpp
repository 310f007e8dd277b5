// Simplified Chinese texts. Ids without a translation fall back to English.
#include "resources/lang/ModuleStrings.h"

namespace {

constexpr rq::resources::StringEntry kStrings[] = {
    {rq::StringId::Map, u"\u5730\u56fe"},        // Map
    {rq::StringId::Satellite, u"\u536b\u661f"},  // Satellite
    {rq::StringId::Info, u"\u4fe1\u606f"},       // Info
    {rq::StringId::Views, u"\u89c6\u56fe"},      // Views
    {rq::StringId::Menu, u"\u83dc\u5355"},       // Menu
};

}  // namespace

RQ_LANGUAGE_MODULE(kStrings)
