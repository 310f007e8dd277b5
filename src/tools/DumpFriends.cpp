// The ".pxt" and "friends.ini" kinds of roamquill-tool dump.
#include <cstdio>

#include "friends/FriendList.h"
#include "friends/PositionTextList.h"
#include "platform/Files.h"
#include "tools/FileDump.h"
#include "tools/Json.h"

namespace rq::tool {

namespace {

int DumpPositionTexts(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) {
        std::fprintf(stderr, "roamquill-tool dump: cannot read %s\n", path.c_str());
        return 1;
    }
    CPositionTextList texts;
    if (!texts.Load(bytes.data(), bytes.size())) {
        std::fprintf(stderr, "roamquill-tool dump: %s is not a whole position text file\n",
                     path.c_str());
        return 1;
    }
    JsonLine()
        .Field("kind", "position-texts")
        .Field("count", static_cast<std::int64_t>(texts.GetCount()))
        .Print();
    for (std::size_t i = 0; i < texts.GetCount(); ++i) {
        const CPositionText* t = texts.GetAt(i);
        JsonLine()
            .Field("lat", t->m_lat.value)
            .Field("lon", t->m_lon.value)
            .Field("sender", t->sender)
            .Field("text", t->text)
            .Print();
    }
    return 0;
}

int DumpFriends(const std::string& path) {
    CFriendList list;
    if (!list.Load(path)) {
        std::fprintf(stderr, "roamquill-tool dump: cannot read %s\n", path.c_str());
        return 1;
    }
    JsonLine()
        .Field("kind", "friends")
        .Field("count", static_cast<std::int64_t>(list.GetCount()))
        .Print();
    for (std::size_t i = 0; i < list.GetCount(); ++i) {
        const CFriendInfo* f = list.GetAt(i);
        JsonLine()
            .Field("number", f->number)
            .Field("name", f->name)
            .Field("selected", f->selected)
            .Print();
    }
    return 0;
}

const FileDumpKind kPositionTexts(".pxt", DumpPositionTexts);
const FileDumpKind kFriends("friends.ini", DumpFriends);

}  // namespace

}  // namespace rq::tool
