#include "poi/DlgManagePoi.h"

#include <algorithm>

#include "app/StringTable.h"
#include "platform/Text.h"
#include "poi/PoiTypeTable.h"

namespace rq {

namespace {

char16_t FoldCase(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// The order of a sorted drop-down list: alphabetical without regard to case.
bool SortsBefore(const std::u16string& a, const std::u16string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char16_t x, char16_t y) { return FoldCase(x) < FoldCase(y); });
}

bool IsDefaultCategory(const CPoiCategory& category) {
    return category.name == LoadResourceString(StringId::General);
}

}  // namespace

CDlgManagePoi::CDlgManagePoi(CPoiCollection& collection, Actions actions)
    : collection_(collection), actions_(std::move(actions)) {}

std::u16string CDlgManagePoi::Caption() const {
    return collection_.name.empty() ? LoadResourceString(StringId::NoName) : collection_.name;
}

void CDlgManagePoi::Open() {
    FillCategories(nullptr);
}

void CDlgManagePoi::FillCategories(const CPoiCategory* select) {
    categories_.clear();
    const std::u16string noName = LoadResourceString(StringId::NoName);
    for (const auto& category : collection_.Categories())
        categories_.push_back({category.get(), category->name.empty() ? noName : category->name});
    std::stable_sort(
        categories_.begin(), categories_.end(),
        [](const CategoryItem& a, const CategoryItem& b) { return SortsBefore(a.text, b.text); });
    categorySelection_.reset();
    if (!categories_.empty()) categorySelection_ = 0;
    for (std::size_t i = 0; i < categories_.size(); ++i) {
        if (categories_[i].category == select) categorySelection_ = i;
    }
    FillPois();
}

void CDlgManagePoi::SelectCategory(std::optional<std::size_t> index) {
    if (index && *index >= categories_.size()) index.reset();
    categorySelection_ = index;
    FillPois();
}

void CDlgManagePoi::FillPois() {
    pois_.clear();
    poiSelection_.reset();
    const CPoiCategory* category = SelectedCategory();
    if (category == nullptr) return;
    for (const auto& poi : category->Pois()) pois_.push_back({poi.get(), PoiText(*poi)});
}

std::u16string CDlgManagePoi::PoiText(const CPoi& poi) const {
    if (!poi.name.empty()) return poi.name;
    const std::optional<StringId> label = PoiTypeLabelId(poi.type);
    return u"<" + (label ? LoadResourceString(*label) : std::u16string()) + u">";
}

void CDlgManagePoi::SelectPoi(std::optional<std::size_t> index) {
    if (index && *index >= pois_.size()) index.reset();
    poiSelection_ = index;
}

void CDlgManagePoi::SelectNear(std::size_t index) {
    poiSelection_.reset();
    if (!pois_.empty()) poiSelection_ = std::min(index, pois_.size() - 1);
}

CPoiCategory* CDlgManagePoi::SelectedCategory() const {
    return categorySelection_ ? categories_[*categorySelection_].category : nullptr;
}

CPoi* CDlgManagePoi::SelectedPoi() {
    if (!poiSelection_) return nullptr;
    CPoi* poi = pois_[*poiSelection_].poi;
    if (poi == nullptr)
        ShowStringMessage(StringId::SelectAPoiFirst, platform::MessageIcon::Information);
    return poi;
}

bool CDlgManagePoi::GoToPoi() {
    CPoi* poi = SelectedPoi();
    if (poi == nullptr) return false;
    if (actions_.goTo) actions_.goTo(*poi);
    return true;
}

bool CDlgManagePoi::Ok() {
    if (poiSelection_ && pois_[*poiSelection_].poi != nullptr && actions_.centre)
        actions_.centre(*pois_[*poiSelection_].poi);
    return true;
}

bool CDlgManagePoi::Navigate() {
    CPoi* poi = SelectedPoi();
    if (poi == nullptr) return false;
    if (actions_.navigate) actions_.navigate(*poi);
    return true;
}

void CDlgManagePoi::SendToFriend() {
    CPoi* poi = SelectedPoi();
    if (poi != nullptr && actions_.sendToFriend) actions_.sendToFriend(*poi);
}

void CDlgManagePoi::DeletePoi() {
    CPoi* poi = SelectedPoi();
    CPoiCategory* category = SelectedCategory();
    if (poi == nullptr || category == nullptr) return;
    if (ShowStringMessage(StringId::AreYouSureToDeletePoi, platform::MessageIcon::Question,
                          {poi->name}) != platform::MessageAnswer::Yes) {
        return;
    }
    const std::size_t at = *poiSelection_;
    if (!category->RemovePoi(poi)) {
        ShowStringMessage(StringId::DeletePoiFailed, platform::MessageIcon::Error);
        return;
    }
    category->modified = true;
    pois_.erase(pois_.begin() + static_cast<std::ptrdiff_t>(at));
    SelectNear(at);
}

void CDlgManagePoi::EditPoi() {
    CPoi* poi = SelectedPoi();
    CPoiCategory* category = SelectedCategory();
    if (poi == nullptr || category == nullptr || !actions_.editPoi) return;
    CDlgEditPoi editor(collection_);
    editor.name = poi->name;
    editor.coordinate = *poi;
    editor.type = poi->type;
    editor.categoryName = category->name;
    editor.Open();
    if (!actions_.editPoi(editor)) return;

    const std::size_t at = *poiSelection_;
    poi->name = editor.name;
    poi->m_lat.Set(editor.coordinate.m_lat);
    poi->m_lon.Set(editor.coordinate.m_lon);
    poi->type = editor.type;
    category->modified = true;
    pois_[at].text = PoiText(*poi);
    if (editor.categoryName != category->name) {
        CPoiCategory* target = collection_.FindCategory(editor.categoryName);
        if (target == nullptr) {
            ShowStringMessage(StringId::CanNotMoveThisPoi, platform::MessageIcon::Error,
                              {editor.categoryName});
        } else {
            target->AppendPoi(category->DetachPoi(poi));
            pois_.erase(pois_.begin() + static_cast<std::ptrdiff_t>(at));
        }
    }
    SelectNear(at);
}

void CDlgManagePoi::AddCategory() {
    if (!actions_.askName) return;
    const std::optional<std::u16string> entered =
        actions_.askName(LoadResourceString(StringId::EnterCategoryName), u"");
    if (!entered) return;
    const std::u16string name = platform::Trim(*entered);
    if (name.empty()) return;
    if (collection_.HasCategory(name)) {
        ShowStringMessage(StringId::PoiCategoryAlreadyExist, platform::MessageIcon::Information,
                          {name});
        return;
    }
    FillCategories(collection_.AddCategory(name));
}

void CDlgManagePoi::EditCategory() {
    CPoiCategory* category = SelectedCategory();
    if (category == nullptr) return;
    if (IsDefaultCategory(*category)) {
        ShowStringMessage(StringId::DefaultPoiCategoryCanNotBeEdited,
                          platform::MessageIcon::Information);
        return;
    }
    if (!actions_.askName) return;
    const std::optional<std::u16string> entered =
        actions_.askName(LoadResourceString(StringId::EnterCategoryName), category->name);
    if (!entered) return;
    const std::u16string name = platform::Trim(*entered);
    if (name.empty() || name == category->name) return;
    if (collection_.HasCategory(name)) {
        ShowStringMessage(StringId::PoiCategoryAlreadyExist, platform::MessageIcon::Information,
                          {name});
        return;
    }
    category->name = name;
    category->modified = true;
    FillCategories(category);
}

void CDlgManagePoi::DeleteCategory() {
    CPoiCategory* category = SelectedCategory();
    if (category == nullptr) return;
    if (IsDefaultCategory(*category)) {
        ShowStringMessage(StringId::CanNotDeleteDefaultPoiCategory,
                          platform::MessageIcon::Information);
        return;
    }
    const std::u16string name = category->name;
    if (ShowStringMessage(StringId::AreYouSureToDeleteCategory, platform::MessageIcon::Question,
                          {name}) != platform::MessageAnswer::Yes) {
        return;
    }
    if (!collection_.DeleteCategory(name)) {
        ShowStringMessage(StringId::DeletePoiCategoryFailed, platform::MessageIcon::Error, {name});
    }
    FillCategories(nullptr);
}

}  // namespace rq
