// The "Select file" dialog without its widgets: the files of one program folder that
// match a pattern, shown without their extension, with "Delete" and "Rename" on the
// "Menu" soft key for the callers that offer them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "track/DlgFilename.h"

namespace rq {

class CDlgOpenFile {
public:
    enum class Bar { OkCancel, DeleteRename };

    struct Entry {
        std::string fileName;  // as found in the folder
        std::u16string shown;  // the name without the extension when it ends with it
    };

    // `folder` ends with '/'; `filter` is a wildcard such as "*.trk", matched without
    // regard to ASCII case so that a copied "TRIP.TRK" is listed too; `extension` such
    // as ".trk". `asker` serves "Rename" and may be null for the plain bar.
    CDlgOpenFile(std::string folder, std::string filter, std::string extension, Bar bar,
                 FilenameAsker* asker = nullptr);

    // Lists the folder in the order the file system returns it and selects the first
    // entry when there is one.
    void Open();
    Bar CommandBar() const { return bar_; }
    const std::vector<Entry>& Entries() const { return entries_; }
    std::optional<std::size_t> Selection() const { return selection_; }
    void Select(std::optional<std::size_t> index);

    // False (after "Select file first.") while nothing is selected; otherwise the
    // result becomes the selected file's name, extension included.
    bool Ok();
    const std::string& Result() const { return result_; }

    // The "Menu" commands; each reports its own refusals and failures.
    void Delete();
    void Rename();

private:
    std::u16string ShownName(const std::string& fileName) const;

    std::string folder_;
    std::string filter_;
    std::string extension_;
    Bar bar_;
    FilenameAsker* asker_;
    std::vector<Entry> entries_;
    std::optional<std::size_t> selection_;
    std::string result_;
};

}  // namespace rq
