#include "view/DlgPositionMessages.h"

#include "app/StringTable.h"
#include "view/GpsViewData.h"
#include "view/Navigation.h"

namespace rq {

CDlgPositionMessages::CDlgPositionMessages(CGpsViewData& data) : data_(data) {
    Fill();
}

void CDlgPositionMessages::Fill() {
    items_.clear();
    const CPositionTextList& texts = data_.positionTexts;
    // Each element is inserted at the top, so the newest text comes first.
    for (std::size_t i = texts.GetCount(); i-- > 0;)
        items_.push_back({texts.GetAt(i), texts.GetAt(i)->text});
    selection_ = items_.empty() ? std::nullopt : std::optional<std::size_t>(0);
}

void CDlgPositionMessages::Select(std::optional<std::size_t> index) {
    selection_ = index && *index < items_.size() ? index : std::nullopt;
}

CPositionText* CDlgPositionMessages::Selected() const {
    return selection_ ? items_[*selection_].element : nullptr;
}

void CDlgPositionMessages::GoTo() {
    result_ = Selected();
}

bool CDlgPositionMessages::Navigate() {
    CPositionText* element = Selected();
    if (element == nullptr) return false;
    result_ = element;
    SetNavigationTarget(data_, *element, u"");
    return true;
}

bool CDlgPositionMessages::Delete() {
    CPositionText* element = Selected();
    if (element == nullptr) return false;
    if (ShowStringMessage(StringId::AreYouSureToDeleteThisPositionText,
                          platform::MessageIcon::Question) != platform::MessageAnswer::Yes)
        return false;
    if (result_ == element) result_ = nullptr;
    data_.positionTexts.RemovePositionText(element);
    Fill();
    return true;
}

}  // namespace rq
