// The "File Name" dialog without its widgets: a prompt above a one-line name entry.
// OK trims the name and refuses an empty one or one that names a path, the dialog
// staying open.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rq {

class CDlgFilename {
public:
    CDlgFilename(std::u16string prompt, std::u16string fileName);

    const std::u16string& Prompt() const { return prompt_; }
    // The edit box's text, as typed.
    std::u16string fileName;

    // False (after "Your input is invalid") when the trimmed name is empty, holds a
    // slash or backslash, or is "." or ".."; otherwise
    // the trimmed name becomes the result.
    bool Ok();
    const std::u16string& Result() const { return result_; }

private:
    std::u16string prompt_;
    std::u16string result_;
};

// The user's side of the dialog: the entered name, or none when it was cancelled.
class FilenameAsker {
public:
    virtual ~FilenameAsker() = default;
    virtual std::optional<std::u16string> AskFilename(std::u16string_view prompt,
                                                      std::u16string_view proposed) = 0;
};

}  // namespace rq
