#include "track/DlgFilename.h"

#include "app/StringTable.h"
#include "platform/Text.h"

namespace rq {

CDlgFilename::CDlgFilename(std::u16string prompt, std::u16string name)
    : fileName(std::move(name)), prompt_(std::move(prompt)) {}

bool CDlgFilename::Ok() {
    std::u16string trimmed = platform::Trim(fileName);
    if (trimmed.empty()) {
        ShowStringMessage(StringId::YourInputIsInvalid, platform::MessageIcon::Information);
        return false;
    }
    result_ = std::move(trimmed);
    return true;
}

}  // namespace rq
