// The "Input Text" dialog: one multi-line text exchanged with its caller, taken as typed;
// the sender cleans it (CleanMessageText) before it goes out.
#pragma once

#include <string>

namespace rq {

class CDlgInputText {
public:
    std::u16string text;
};

}  // namespace rq
