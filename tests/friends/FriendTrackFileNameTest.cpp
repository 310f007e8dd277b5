#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "friends/FriendTrackFileName.h"
#include "platform/Text.h"
#include "support/CaseTable.h"

namespace rq {
namespace {

TEST(FriendTrackFileName, OrdinaryNumbersKeepTheirNameOthersStayInTheFolder) {
    const auto cases = test::CaseTable("cases/friend-track-file-names.txt");
    ASSERT_EQ(cases.size(), 16u);
    for (const auto& c : cases) {
        const std::u16string id = platform::FromUtf8(c[0]);
        const std::string name = FriendTrackFileName(id);
        EXPECT_EQ(name, c[1]) << c[0];
        EXPECT_EQ(name.find('/'), std::string::npos);
        EXPECT_EQ(OwnerIdFromFriendTrackFileName(name), id) << name;
    }
}

TEST(FriendTrackFileName, LongAddressesAreCutAndHashed) {
    std::set<std::string> names;
    for (const std::u16string& id :
         {std::u16string(127, u'9'), std::u16string(128, u'9'), std::u16string(129, u'9'),
          std::u16string(300, u'/'), std::u16string(200, u'a') + u"x",
          std::u16string(200, u'a') + u"y"}) {
        const std::string name = FriendTrackFileName(id);
        EXPECT_LE(name.size(), 200u) << name;
        EXPECT_EQ(name.find('/'), std::string::npos);
        EXPECT_EQ(name, FriendTrackFileName(id));  // the same address, the same file
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 6u);
    EXPECT_EQ(FriendTrackFileName(std::u16string(127, u'9')), std::string(127, '9') + ".trk");
    const std::string hashed = FriendTrackFileName(std::u16string(128, u'9'));
    EXPECT_NE(hashed.find('~'), std::string::npos);
    EXPECT_EQ(OwnerIdFromFriendTrackFileName(hashed),
              std::u16string(127, u'9'));  // the kept prefix
    // Names made by hand read as they are.
    EXPECT_EQ(OwnerIdFromFriendTrackFileName("\xc3\xa9t\xc3\xa9.trk"), u"\u00e9t\u00e9");
    EXPECT_EQ(OwnerIdFromFriendTrackFileName("50%.trk"), u"50%");
    EXPECT_EQ(OwnerIdFromFriendTrackFileName("noext"), u"noext");
}

// Every order of a listing chooses the same files: the owner's own name over a
// hand-written twin, of two twins the first by name; "a%20b" is no escape.
TEST(FriendTrackFileName, FilesToLoadDoNotDependOnTheListingOrder) {
    std::vector<std::string> listing = {"+49 170.trk", "+49%0020170.trk", "bob.trk",
                                        "%0062ob.trk", "%0061%0020b.trk", "a b.trk",
                                        "a%20b.trk"};
    const std::vector<std::string> expected = {"%0061%0020b.trk", "+49%0020170.trk", "a%20b.trk",
                                               "bob.trk"};
    std::sort(listing.begin(), listing.end());
    do {
        ASSERT_EQ(FriendTrackFilesToLoad(listing), expected);
    } while (std::next_permutation(listing.begin(), listing.end()));
}

}  // namespace
}  // namespace rq
