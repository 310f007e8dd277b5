#include <gtest/gtest.h>

#include <string>

#include "app/StringTable.h"
#include "platform/Text.h"
#include "resources/EnglishStrings.h"

namespace rq {
namespace {

TEST(EnglishStrings, TextsAreExact) {
    const struct {
        std::uint32_t id;
        const char16_t* text;
    } expected[] = {
        {210, u"General"},
        {237, u"You have to restart Roamquill in order to let  new settings take effect."},
        {179,
         u"Gps connection is broken!\n\nMake sure your GPS device is connected firmly. If you "
         u"are using bluetooth GPS receiver, make sure your GPS receiver is in range.\n\nDo you "
         u"want to connect again?"},
        {233,
         u"The Owner Information of your device is not set, we suggest you set this information "
         u"before using Roamquill, otherwise, your device name will not be displayed on your "
         u"friends device when you send your position information to your friends via SMS."},
        {230,
         u"Can not access Roamquill directory, If your flash card is write-protected, please "
         u"disable write-protecting."},
        {225, u"Can not get version of OS. program will exit."},
        {241,
         u"This version is designed for Windows Mobile 5.0 for Pocket PC, please use the "
         u"correct version."},
        {57344, u"Roamquill"},
        {136, u"Please select boudrate."},
        {156, u"Deleting track '%s' failed"},
        {161, u"Are you sure to reset milestone counter and add an 0 milestone here?"},
        {175, u"Poi category '%s' already exist, please use other name."},
        {201, u"%Y-%m-%d"},
        {214, u"<No Name>"},
        {234, u"%H:%M:%S"},
        {302, u"Menu"},
        {243, u"Views"},
        {129, u"Map"},
        {130, u"Satellite"},
        {131, u"Info"},
        {315, u"Unknown"},
        {336, u"Zoo"},
    };
    for (const auto& row : expected) {
        EXPECT_EQ(BuiltInString(row.id), row.text) << row.id;
        EXPECT_EQ(LoadResourceString(row.id), row.text) << row.id;
    }
}

TEST(EnglishStrings, SortedAndMissingIdsEmpty) {
    const resources::StringEntry* table = resources::EnglishStrings();
    const std::size_t count = resources::EnglishStringCount();
    ASSERT_GT(count, 100u);
    for (std::size_t i = 1; i < count; ++i) {
        EXPECT_LT(table[i - 1].id, table[i].id) << table[i].id;
    }
    for (std::size_t i = 0; i < count; ++i) {
        EXPECT_EQ(BuiltInString(table[i].id), table[i].text) << table[i].id;
        EXPECT_FALSE(std::u16string(table[i].text).empty()) << table[i].id;
    }
    // 235 exists on the device but is never shown; ids outside the table give empty text.
    for (std::uint32_t id : {0u, 1u, 99u, 167u, 235u, 999u, 57343u, 57345u, 0xFFFFFFFFu}) {
        EXPECT_TRUE(LoadResourceString(id).empty()) << id;
    }
}

}  // namespace
}  // namespace rq
