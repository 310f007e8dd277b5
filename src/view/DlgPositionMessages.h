// The "Position Messages" dialog: the received texts, newest first, with "Go to",
// "Navigate" and "Delete". The result is the chosen text, or none.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "friends/PositionText.h"

namespace rq {

class CGpsViewData;

class CDlgPositionMessages {
public:
    // How the dialog closed besides OK and Cancel: "Navigate" set the target.
    static constexpr int kResultNavigate = 100;

    struct Item {
        CPositionText* element;
        std::u16string text;
    };

    explicit CDlgPositionMessages(CGpsViewData& data);

    const std::vector<Item>& Items() const { return items_; }
    std::optional<std::size_t> Selection() const { return selection_; }
    void Select(std::optional<std::size_t> index);

    // "Go to" (OK): the selected text becomes the result, none when nothing is selected;
    // the dialog then closes with OK.
    void GoTo();
    // "Navigate": with a selected item, the result is its text and the navigation target
    // its position (without a name); true when the dialog is to close with
    // kResultNavigate.
    bool Navigate();
    // "Delete": with a selected item, asks first; on Yes removes the text and selects the
    // first item. True when one was deleted.
    bool Delete();

    CPositionText* Result() const { return result_; }

private:
    void Fill();
    CPositionText* Selected() const;

    CGpsViewData& data_;
    std::vector<Item> items_;
    std::optional<std::size_t> selection_;
    CPositionText* result_ = nullptr;
};

}  // namespace rq
