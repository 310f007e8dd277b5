// Traditional Chinese texts. Ids without a translation fall back to English.
#include "resources/lang/ModuleStrings.h"

namespace {

constexpr rq::resources::StringEntry kStrings[] = {
    {129, u"\u5730\u5716"},  // Map
    {130, u"\u885b\u661f"},  // Satellite
    {131, u"\u8cc7\u8a0a"},  // Info
    {243, u"\u6aa2\u8996"},  // Views
    {302, u"\u9078\u55ae"},  // Menu
};

}  // namespace

RQ_LANGUAGE_MODULE(kStrings)
