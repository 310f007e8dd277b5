#include "track/DlgFilename.h"

#include "app/StringTable.h"
#include "platform/Text.h"

namespace rq {

CDlgFilename::CDlgFilename(std::u16string prompt, std::u16string name)
    : fileName(std::move(name)), prompt_(std::move(prompt)) {}

bool CDlgFilename::Ok() {
    std::u16string trimmed = platform::Trim(fileName);
    // The name is joined to a program folder: a separator or a dot name would save
    // outside it, or over the folder itself.
    const bool pathLike = trimmed.find_first_of(u"/\\") != std::u16string::npos ||
                          trimmed == u"." || trimmed == u"..";
    if (trimmed.empty() || pathLike) {
        ShowStringMessage(StringId::YourInputIsInvalid, platform::MessageIcon::Information);
        return false;
    }
    result_ = std::move(trimmed);
    return true;
}

}  // namespace rq
