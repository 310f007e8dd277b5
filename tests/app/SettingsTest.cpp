#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "app/Settings.h"
#include "app/SettingsTable.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "support/AppTest.h"

namespace rq {
namespace {

using Bytes = std::vector<std::uint8_t>;

class SettingsTest : public test::AppTest {
protected:
    std::optional<platform::RegistryValue> Stored(std::u16string_view name) {
        return platform::Registry().GetValue(kSettingsKey, name);
    }
};

TEST_F(SettingsTest, FreshStoreGivesEveryDefault) {
    // In the order of the settings table.
    EXPECT_EQ(
        (std::vector{GetPort(), GetBoudrate(), GetTrackPosition(), GetLastNavigationStatus(),
                     GetLastView(), GetLastConnectionStatus(), GetTaThreshold(), GetTsThreshold(),
                     GetMaximumTrackSegments(), GetRepeatGpsLog(), GetAutoRecord(), GetShowPoi(),
                     GetShowPositionMessage(), GetShowTrackInfo(), GetVibrateOnMessage(),
                     GetLastGpsInfoPage(), GetUnitMode(), GetLanguageId()}),
        (std::vector<std::uint32_t>{1, 4800, 1, 0, 0, 0, 10, 6, 5000, 0, 0, 1, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(GetLastNavigationName() + GetLastLoadedRoute() + GetLastLoadedPoi() + GetAppPath(),
              u"");

    // Absent binary values leave the destination as it was.
    CCoordinate untouched(1.5, 2.5);
    double scale = 7;
    float speed = 3;
    EXPECT_FALSE(GetLastMapPosition(untouched) || GetLastNavigationPoint(untouched) ||
                 GetLastMapScale(scale) || GetLogPlaySpeed(speed));
    EXPECT_EQ(
        std::tuple(untouched.GetLatitude().value, untouched.GetLongitude().value, scale, speed),
        std::tuple(1.5, 2.5, 7.0, 3.0f));
    // Reading alone stored nothing.
    EXPECT_TRUE(platform::Registry().ValueNames(kSettingsKey).empty());
}

TEST_F(SettingsTest, EveryAccessCreatesTheKeyPath) {
    // Every accessor reaches the store through one opening of the key; one of each kind.
    std::vector<std::function<void()>> accesses = {
        [] { GetPort(); },          [] { SetBoudrate(9600); },
        [] { GetAppPath(); },       [] { SetLastMapScale(2.0); },
        [] { DescribeSettings(); },
    };
    for (std::size_t i = 0; i < accesses.size(); ++i) {
        platform::OpenRegistry(folder_.Path() + "fresh" + std::to_string(i) + ".reg");
        accesses[i]();
        for (std::u16string_view key : std::initializer_list<std::u16string_view>{
                 u"HKEY_CURRENT_USER\\software", u"HKEY_CURRENT_USER\\software\\Roamquill PPC",
                 u"HKEY_CURRENT_USER\\software\\Roamquill PPC\\Roamquill", kSettingsKey}) {
            EXPECT_TRUE(platform::Registry().KeyExists(key)) << "access " << i;
        }
    }
}

TEST_F(SettingsTest, StoredKindsLayoutsAndForeignValues) {
    // The value name is "Boudrate", a DWORD; texts are stored as text.
    EXPECT_TRUE(SetBoudrate(38400));
    EXPECT_TRUE(SetLastLoadedRoute(u"r\u00e9sum\u00e9.trk"));
    EXPECT_EQ(Stored(u"Boudrate")->kind, platform::RegistryKind::Integer);
    EXPECT_FALSE(Stored(u"Baudrate"));
    EXPECT_EQ(Stored(u"Last Loaded Route")->kind, platform::RegistryKind::Text);
    EXPECT_EQ(GetLastLoadedRoute(), u"r\u00e9sum\u00e9.trk");

    // Binary values are little-endian doubles and floats.
    ASSERT_TRUE(SetLastNavigationPoint(CCoordinate(0.5, 0)));
    EXPECT_EQ(Stored(u"Last Navigation Point")->binary,
              (Bytes{0, 0, 0, 0, 0, 0, 0xE0, 0x3F, 0, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(SetLogPlaySpeed(4.0f));
    EXPECT_EQ(Stored(u"Log Play Speed")->binary, (Bytes{0, 0, 0x80, 0x40}));

    // The exit batch stores every value in the same layouts.
    const ExitSettings values{
        2.0, CCoordinate(1.0, -2.0), CCoordinate(-30, 40), u"Target", 1, 2, 0, 0, 0, 0, 2};
    EXPECT_TRUE(WriteExitSettings(values));
    EXPECT_EQ(Stored(u"Last Map Position")->binary,
              (Bytes{0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0, 0, 0, 0, 0, 0x00, 0xC0}));
    EXPECT_EQ(Stored(u"Last Map Scale")->binary, (Bytes{0, 0, 0, 0, 0, 0, 0, 0x40}));
    double scale = 7;
    ASSERT_TRUE(GetLastMapScale(scale));
    EXPECT_EQ(scale, 2.0);
    CCoordinate target;
    std::u16string name;
    std::uint32_t status = 0;
    ASSERT_TRUE(GetNavigation(target, name, status));
    EXPECT_EQ(std::tuple(target.GetLongitude().value, name, status),
              std::tuple(40.0, u"Target", 1u));
    for (auto get : {GetShowPoi, GetShowPositionMessage, GetShowTrackInfo, GetVibrateOnMessage})
        EXPECT_EQ(get(), 0u);
    EXPECT_EQ(GetLastGpsInfoPage() + GetUnitMode(), 4u);

    // A value of the wrong kind or size (a hand-edited or foreign store) reads as absent,
    // never partly; the destination keeps what it held.
    platform::Registry().SetText(kSettingsKey, u"Port", u"7");
    EXPECT_EQ(GetPort(), 1u);
    platform::Registry().SetInteger(kSettingsKey, u"App Path", 5);
    EXPECT_EQ(GetAppPath(), u"");
    platform::Registry().SetBinary(kSettingsKey, u"Last Map Position", Bytes(8, 0));
    platform::Registry().SetBinary(kSettingsKey, u"Last Map Scale", Bytes(16, 0));
    platform::Registry().SetBinary(kSettingsKey, u"Log Play Speed", Bytes(8, 0));
    CCoordinate kept(3, 4);
    scale = 7;
    float speed = 5;
    EXPECT_FALSE(GetLastMapPosition(kept) || GetLastMapScale(scale) || GetLogPlaySpeed(speed));
    EXPECT_EQ(std::tuple(kept.GetLatitude().value, scale, speed), std::tuple(3.0, 7.0, 5.0f));
}

TEST_F(SettingsTest, NavigationNeedsItsPoint) {
    CCoordinate point(9, 9);
    std::u16string name = u"old";
    std::uint32_t status = 7;
    // Name and status without the point: the getter fails and changes nothing.
    SetLastNavigationName(u"Home");
    SetLastNavigationStatus(1);
    EXPECT_FALSE(GetNavigation(point, name, status));
    EXPECT_EQ(std::tuple(point.GetLatitude().value, name, status), std::tuple(9.0, u"old", 7u));
    // The point alone: empty name, status 0.
    platform::Registry().DeleteValue(kSettingsKey, u"Last Navigation Name");
    platform::Registry().DeleteValue(kSettingsKey, u"Last Navigation Status");
    SetLastNavigationPoint(CCoordinate(47.25, 8.5));
    ASSERT_TRUE(GetNavigation(point, name, status));
    EXPECT_EQ(std::tuple(point.GetLatitude().value, name, status), std::tuple(47.25, u"", 0u));
}

TEST_F(SettingsTest, PlaySpeedChecks) {
    for (const PlaySpeedItem& item : kPlaySpeedItems)
        EXPECT_FALSE(PlaySpeedItemChecked(item.factor)) << item.factor;
    const struct {
        float stored;
        std::optional<CommandId> checked;
    } cases[] = {
        {4.0f, CommandId::PlaySpeed4}, {4.0009f, CommandId::PlaySpeed4},  {3.998f, std::nullopt},
        {1.0f, CommandId::PlaySpeed1}, {100.0f, CommandId::PlaySpeed100}, {2.5f, std::nullopt},
        {-4.0f, std::nullopt}};
    for (const auto& c : cases) {
        SetLogPlaySpeed(c.stored);
        for (const PlaySpeedItem& item : kPlaySpeedItems) {
            const std::optional<bool> checked = PlaySpeedItemChecked(item.factor);
            ASSERT_TRUE(checked.has_value());
            EXPECT_EQ(*checked, item.command == c.checked) << c.stored << " " << item.factor;
        }
    }
}

TEST_F(SettingsTest, DescriptionTable) {
    std::vector<SettingDescription> rows = DescribeSettings();
    ASSERT_EQ(rows.size(), 26u);

    std::string error;
    EXPECT_TRUE(SetSettingFromText(u"port", u"4", error));
    EXPECT_TRUE(SetSettingFromText(u"Last Loaded Poi", u" a b.poi", error));
    EXPECT_TRUE(SetSettingFromText(u"TA Threshold", u"4294967295", error));
    SetLogPlaySpeed(8.0f);
    for (const char16_t* bad : {u"Log Play Speed", u"Last Map Position"}) {
        EXPECT_FALSE(SetSettingFromText(bad, u"1", error));
        EXPECT_FALSE(error.empty());
    }
    for (const char16_t* bad : {u"", u"x", u"12x", u"4294967296", u"1.5"})
        EXPECT_FALSE(SetSettingFromText(u"Port", bad, error)) << platform::ToUtf8(bad);
    EXPECT_EQ(GetPort(), 4u);
    EXPECT_EQ(GetLastLoadedPoi(), u" a b.poi");
    EXPECT_EQ(GetTaThreshold(), 4294967295u);
    rows = DescribeSettings();
    const SettingDescription& speed = rows[8];
    EXPECT_TRUE(speed.present);
    ASSERT_EQ(speed.numbers.size(), 1u);
    EXPECT_EQ(speed.numbers[0], 8.0);
}

}  // namespace
}  // namespace rq
