#include "app/StringTable.h"
#include "platform/Text.h"

namespace rq {

platform::MessageAnswer ShowStringMessage(StringId id, platform::MessageIcon icon,
                                          std::initializer_list<std::u16string_view> args) {
    return platform::ShowMessage(platform::FormatText(LoadResourceString(id), args), icon);
}

}  // namespace rq
