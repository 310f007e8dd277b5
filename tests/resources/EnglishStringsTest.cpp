#include <gtest/gtest.h>

#include <string>

#include "app/StringTable.h"
#include "platform/Text.h"
#include "resources/EnglishStrings.h"

namespace rq {
namespace {

TEST(EnglishStrings, TextsAreExact) {
    const struct {
        StringId id;
        const char16_t* text;
    } expected[] = {
        {StringId::General, u"General"},
        {StringId::YouHaveToRestartRoamquill,
         u"You have to restart Roamquill in order to let  new settings take effect."},
        {StringId::GpsConnectionIsBroken,
         u"Gps connection is broken!\n\nMake sure your GPS device is connected firmly. If you "
         u"are using bluetooth GPS receiver, make sure your GPS receiver is in range.\n\nDo you "
         u"want to connect again?"},
        {StringId::OwnerInformationIsNotSet,
         u"The Owner Information of your device is not set, we suggest you set this information "
         u"before using Roamquill, otherwise, your device name will not be displayed on your "
         u"friends device when you send your position information to your friends via SMS."},
        {StringId::CanNotAccessRoamquillDirectory,
         u"Can not access Roamquill directory, If your flash card is write-protected, please "
         u"disable write-protecting."},
        {StringId::CanNotGetVersionOfOs, u"Can not get version of OS. program will exit."},
        {StringId::DesignedForWindowsMobile5,
         u"This version is designed for Windows Mobile 5.0 for Pocket PC, please use the "
         u"correct version."},
        {StringId::Roamquill, u"Roamquill"},
        {StringId::PleaseSelectBoudrate, u"Please select boudrate."},
        {StringId::DeletingTrackFailed, u"Deleting track '%s' failed"},
        {StringId::AreYouSureToResetMilestoneCounter,
         u"Are you sure to reset milestone counter and add an 0 milestone here?"},
        {StringId::PoiCategoryAlreadyExist,
         u"Poi category '%s' already exist, please use other name."},
        {StringId::DateFormat, u"%Y-%m-%d"},
        {StringId::NoName, u"<No Name>"},
        {StringId::ClockFormat, u"%H:%M:%S"},
        {StringId::Menu, u"Menu"},
        {StringId::Views, u"Views"},
        {StringId::Map, u"Map"},
        {StringId::Satellite, u"Satellite"},
        {StringId::Info, u"Info"},
        {StringId::Unknown, u"Unknown"},
        {StringId::Zoo, u"Zoo"},
    };
    for (const auto& row : expected) {
        EXPECT_EQ(BuiltInString(row.id), row.text) << static_cast<std::uint32_t>(row.id);
        EXPECT_EQ(LoadResourceString(row.id), row.text) << static_cast<std::uint32_t>(row.id);
    }
}

TEST(EnglishStrings, SortedAndMissingIdsEmpty) {
    const resources::StringEntry* table = resources::EnglishStrings();
    const std::size_t count = resources::EnglishStringCount();
    ASSERT_GT(count, 100u);
    for (std::size_t i = 1; i < count; ++i) {
        EXPECT_LT(table[i - 1].id, table[i].id) << i;
    }
    for (std::size_t i = 0; i < count; ++i) {
        EXPECT_EQ(BuiltInString(table[i].id), table[i].text) << i;
        EXPECT_FALSE(std::u16string(table[i].text).empty()) << i;
    }
    // 235 exists on the device but is never shown; ids outside the table give empty text.
    for (std::uint32_t id : {0u, 1u, 99u, 167u, 235u, 999u, 57343u, 57345u, 0xFFFFFFFFu}) {
        EXPECT_TRUE(LoadResourceString(static_cast<StringId>(id)).empty()) << id;
    }
}

}  // namespace
}  // namespace rq
