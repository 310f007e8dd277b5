// Simplified Chinese texts. Ids without a translation fall back to English.
#include "resources/lang/ModuleStrings.h"

namespace {

constexpr rq::resources::StringEntry kStrings[] = {
    {129, u"\u5730\u56fe"},  // Map
    {130, u"\u536b\u661f"},  // Satellite
    {131, u"\u4fe1\u606f"},  // Info
    {243, u"\u89c6\u56fe"},  // Views
    {302, u"\u83dc\u5355"},  // Menu
};

}  // namespace

RQ_LANGUAGE_MODULE(kStrings)
