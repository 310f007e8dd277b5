#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

#include "friends/PositionMessage.h"
#include "keepers/ReceivedMessageRecord.h"
#include "support/RecordingDisplay.h"
#include "view/GpsViewData.h"
#include "view/ReceivedMessages.h"

namespace rq {
namespace {

using test::RecordingDisplay;

ReceivedMessageRecord Record(std::u16string_view sender, const std::vector<std::uint8_t>& bytes) {
    ReceivedMessageRecord r;
    std::copy(sender.begin(), sender.begin() + std::min<std::size_t>(sender.size(), 64),
              r.senderAddress);
    r.senderPort = 2000;
    r.destinationPort = 2001;
    r.userData = bytes.data();
    r.userDataSize = static_cast<std::uint32_t>(bytes.size());
    return r;
}

std::vector<std::uint8_t> Position(double lat, double lon, std::uint32_t time,
                                   std::u16string_view name = u"Ann") {
    return MakePositionMessage({lat, lon, 519.5, 90.25, 3.5, 1.25, 12, 7}, name, time);
}

class ReceivedMessages : public ::testing::Test {
protected:
    bool Receive(std::u16string_view sender, const std::vector<std::uint8_t>& bytes) {
        return HandleReceivedMessage(data, Record(sender, bytes), display);
    }

    CGpsViewData data;
    RecordingDisplay display;
};

TEST_F(ReceivedMessages, NewSenderGetsATealTrackNamedByTheSameMessage) {
    const auto m = Position(48.5, 11.5, 1000, u"Ann Lee");
    ASSERT_TRUE(Receive(u"+4917012345", m));
    ASSERT_EQ(data.friendTracks.GetCount(), 1u);
    CGpsTrackInfo& t = *data.friendTracks.Tracks().front();
    EXPECT_EQ(std::tuple(t.ownerId, t.colour, t.shortName, t.IsModified()),
              std::tuple(u"+4917012345", 0x6C8C17u, u"Ann Lee", true));
    ASSERT_EQ(t.GetCount(), 1u);
    const CGpsTrackCoordinate& p = *t.GetHead();
    EXPECT_EQ(std::tuple(p.timeKey, p.milestone, p.distance, p.course),
              std::tuple(1000u, 0u, 0.0, 90.25));
    const CGpsPosition& f = t.fix;
    EXPECT_EQ(std::tuple(f.m_lat.value, f.m_lon.value, f.altitude, f.course, f.speed),
              std::tuple(48.5, 11.5, 519.5, 90.25, 3.5));
    EXPECT_EQ(std::tuple(f.hdop, f.vdop, f.pdop), std::tuple(1.25, 1.0, 1.0));
    EXPECT_EQ(
        std::tuple(f.satellitesUsed, f.satellitesInView, f.selectionMode, f.fixMode, f.gpsQuality),
        std::tuple(7, 12, 2, 3, 1));
    EXPECT_EQ(data.lastPosition.m_lat.value, 48.5);
    EXPECT_EQ(display.calls, (std::vector<std::string>{"centre 48.500000,11.500000", "refresh"}));

    // Another sender gets a track of its own; the first is found again by its address.
    ASSERT_TRUE(Receive(u"0170", Position(1, 2, 5)));
    ASSERT_TRUE(Receive(u"+4917012345", Position(48.6, 11.5, 1001)));
    EXPECT_EQ(std::tuple(data.friendTracks.GetCount(), t.GetCount(), t.shortName),
              std::tuple(2u, 2u, u"Ann"));
}

TEST_F(ReceivedMessages, LatePositionsAreInsertedBehindWithoutTouchingTheFix) {
    Receive(u"1", Position(48.2, 11.0, 300, u"Newest"));
    display.calls.clear();
    // Older positions arrive late: inserted behind, fix, name and centre stay.
    Receive(u"1", Position(48.0, 11.0, 100, u"Oldest"));
    Receive(u"1", Position(48.1, 11.0, 200, u"Middle"));
    EXPECT_EQ(display.calls, (std::vector<std::string>{"refresh", "refresh"}));
    CGpsTrackInfo& t = *data.friendTracks.Tracks().front();
    EXPECT_EQ(std::tuple(t.shortName, t.fix.m_lat.value), std::tuple(u"Newest", 48.2));
    // The model's last position is the point that came last, not the newest one.
    EXPECT_EQ(data.lastPosition.m_lat.value, 48.1);

    // Time key, mark and distance in mm, newest first: 0.1 degree of latitude is
    // 11120.0162632 m on the flat model, each way.
    std::vector<std::tuple<std::uint32_t, std::uint32_t, long>> points;
    for (const auto& p : t.Points())
        points.emplace_back(p.timeKey, p.milestone, std::lround(p.distance * 1000));
    EXPECT_EQ(points, (decltype(points){{300, 0, 22240033}, {200, 1, 11120016}, {100, 1, 0}}));
}

TEST_F(ReceivedMessages, NavigationFollowsTheFriend) {
    Receive(u"1", Position(48.0, 11.0, 100));
    data.navigating = 1;
    data.target.m_lat.Set(48.0);
    data.target.m_lon.Set(11.0);
    data.target.name = u"Ann";
    Receive(u"1", Position(48.5, 11.5, 200));
    EXPECT_EQ(std::tuple(data.target.m_lat.value, data.target.m_lon.value, data.target.name),
              std::tuple(48.5, 11.5, u"Ann"));
    // A late position does not move it.
    Receive(u"1", Position(40.0, 10.0, 150));
    EXPECT_EQ(data.target.m_lat.value, 48.5);
}

TEST_F(ReceivedMessages, TextsAndPois) {
    data.positionTexts.SetModified(false);
    ASSERT_TRUE(Receive(u"0170", MakePositionTextMessage(1.5, 2.5, u"Meet here", 9)));
    ASSERT_EQ(data.positionTexts.GetCount(), 1u);
    const CPositionText& text = *data.positionTexts.GetAt(0);
    EXPECT_EQ(std::tuple(text.text, text.sender, data.positionTexts.IsModified()),
              std::tuple(u"Meet here", u"0170", true));
    EXPECT_EQ(data.lastPosition.m_lon.value, 2.5);
    EXPECT_EQ(display.calls,
              (std::vector<std::string>{"texts on", "centre 1.500000,2.500000", "refresh"}));

    // No "General" category: it is made, and the POI lands in it.
    data.localPois.DeleteCategory(u"General");
    data.localPois.AddCategory(u"Other");
    display.calls.clear();
    ASSERT_TRUE(Receive(u"0170", MakePoiMessage(3, 4, 7, u"Cafe", 9)));
    CPoiCategory* general = data.localPois.FindCategory(u"General");
    ASSERT_NE(general, nullptr);
    ASSERT_EQ(general->GetCount(), 1u);
    const CPoi& poi = *general->GetAt(0);
    EXPECT_EQ(std::tuple(poi.name, poi.type, poi.m_lat.value), std::tuple(u"Cafe", 7u, 3.0));
    EXPECT_EQ(data.localPois.FindCategory(u"Other")->GetCount(), 0u);
    EXPECT_EQ(display.calls,
              (std::vector<std::string>{"pois on", "centre 3.000000,4.000000", "refresh"}));
    Receive(u"0170", MakePoiMessage(3, 4, 1, u"Bar", 9));
    EXPECT_EQ(std::tuple(general->GetCount(), data.localPois.GetCount()), std::tuple(2u, 2u));
}

TEST_F(ReceivedMessages, BadDatagramsChangeNothing) {
    // Bad headers are the recogniser's own cases; here what only the handler refuses
    // (a coordinate that is not a number or out of range), and random bytes.
    std::vector<std::vector<std::uint8_t>> cases = {
        {}, Position(std::nan(""), 2, 3), MakePositionTextMessage(91, 0, u"x", 0)};
    std::mt19937 rng(11);
    for (int i = 0; i < 500; ++i) {
        std::vector<std::uint8_t> b(rng() % 120);
        for (auto& x : b) x = static_cast<std::uint8_t>(rng());
        cases.push_back(b);
    }
    for (const auto& bytes : cases) EXPECT_FALSE(Receive(u"1", bytes));
    EXPECT_TRUE(data.friendTracks.GetCount() == 0 && data.positionTexts.IsEmpty() &&
                data.localPois.IsEmpty() && !data.lastPosition.IsValid() && display.calls.empty());
    ReceivedMessageRecord none;
    EXPECT_FALSE(HandleReceivedMessage(data, none, display));
}

}  // namespace
}  // namespace rq
