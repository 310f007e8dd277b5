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

TEST(ReceivedMessages, NewSenderGetsATealTrackNamedByTheSameMessage) {
    CGpsViewData data;
    RecordingDisplay display;
    const auto m = Position(48.5, 11.5, 1000, u"Ann Lee");
    ASSERT_TRUE(HandleReceivedMessage(data, Record(u"+4917012345", m), display));
    ASSERT_EQ(data.friendTracks.GetCount(), 1u);
    CGpsTrackInfo& t = *data.friendTracks.Tracks().front();
    EXPECT_EQ(t.ownerId, u"+4917012345");
    EXPECT_EQ(t.colour, 0x6C8C17u);
    EXPECT_EQ(t.shortName, u"Ann Lee");
    EXPECT_TRUE(t.IsModified());
    ASSERT_EQ(t.GetCount(), 1u);
    const CGpsTrackCoordinate& p = *t.GetHead();
    EXPECT_EQ(p.timeKey, 1000u);
    EXPECT_EQ(p.milestone, 0u);
    EXPECT_EQ(p.distance, 0);
    EXPECT_EQ(p.course, 90.25);
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
    ASSERT_TRUE(HandleReceivedMessage(data, Record(u"0170", Position(1, 2, 5)), display));
    ASSERT_TRUE(
        HandleReceivedMessage(data, Record(u"+4917012345", Position(48.6, 11.5, 1001)), display));
    EXPECT_EQ(data.friendTracks.GetCount(), 2u);
    EXPECT_EQ(t.GetCount(), 2u);
    EXPECT_EQ(t.shortName, u"Ann");
}

TEST(ReceivedMessages, LatePositionsAreInsertedBehindWithoutTouchingTheFix) {
    CGpsViewData data;
    RecordingDisplay display;
    HandleReceivedMessage(data, Record(u"1", Position(48.2, 11.0, 300, u"Newest")), display);
    display.calls.clear();
    // Older positions arrive late: inserted behind, fix, name and centre stay.
    HandleReceivedMessage(data, Record(u"1", Position(48.0, 11.0, 100, u"Oldest")), display);
    HandleReceivedMessage(data, Record(u"1", Position(48.1, 11.0, 200, u"Middle")), display);
    EXPECT_EQ(display.calls, (std::vector<std::string>{"refresh", "refresh"}));
    CGpsTrackInfo& t = *data.friendTracks.Tracks().front();
    EXPECT_EQ(t.shortName, u"Newest");
    EXPECT_EQ(t.fix.m_lat.value, 48.2);
    // The model's last position is the point that came last, not the newest one.
    EXPECT_EQ(data.lastPosition.m_lat.value, 48.1);

    std::vector<std::uint32_t> keys, marks;
    std::vector<double> distances;
    for (const auto& p : t.Points()) {
        keys.push_back(p.timeKey);
        marks.push_back(p.milestone);
        distances.push_back(p.distance);
    }
    EXPECT_EQ(keys, (std::vector<std::uint32_t>{300, 200, 100}));
    EXPECT_EQ(marks, (std::vector<std::uint32_t>{0, 1, 1}));
    // 0.1 degree of latitude is 11120.0162632 m on the flat model, each way.
    EXPECT_EQ(distances[2], 0);
    EXPECT_NEAR(distances[1], 11120.0162632, 1e-3);
    EXPECT_NEAR(distances[0], 2 * 11120.0162632, 1e-3);
}

TEST(ReceivedMessages, NavigationFollowsTheFriend) {
    CGpsViewData data;
    RecordingDisplay display;
    HandleReceivedMessage(data, Record(u"1", Position(48.0, 11.0, 100)), display);
    HandleReceivedMessage(data, Record(u"2", Position(10.0, 10.0, 100)), display);
    data.navigating = 1;
    data.target.m_lat.Set(48.0);
    data.target.m_lon.Set(11.0);
    data.target.name = u"Ann";
    HandleReceivedMessage(data, Record(u"1", Position(48.5, 11.5, 200)), display);
    EXPECT_EQ(data.target.m_lat.value, 48.5);
    EXPECT_EQ(data.target.m_lon.value, 11.5);
    EXPECT_EQ(data.target.name, u"Ann");
    // Another friend moving does not take the target; a late position does not move it.
    HandleReceivedMessage(data, Record(u"2", Position(10.5, 10.5, 200)), display);
    HandleReceivedMessage(data, Record(u"1", Position(40.0, 10.0, 150)), display);
    EXPECT_EQ(data.target.m_lat.value, 48.5);
    // Not navigating: the target stays where it is.
    data.navigating = 0;
    HandleReceivedMessage(data, Record(u"1", Position(49.0, 12.0, 300)), display);
    EXPECT_EQ(data.target.m_lat.value, 48.5);
}

TEST(ReceivedMessages, TextsAndPois) {
    CGpsViewData data;
    RecordingDisplay display;
    data.positionTexts.SetModified(false);
    ASSERT_TRUE(HandleReceivedMessage(
        data, Record(u"0170", MakePositionTextMessage(1.5, 2.5, u"Meet here", 9)), display));
    ASSERT_EQ(data.positionTexts.GetCount(), 1u);
    EXPECT_EQ(data.positionTexts.GetAt(0)->text, u"Meet here");
    EXPECT_EQ(data.positionTexts.GetAt(0)->sender, u"0170");
    EXPECT_TRUE(data.positionTexts.IsModified());
    EXPECT_EQ(data.lastPosition.m_lon.value, 2.5);
    EXPECT_EQ(display.calls,
              (std::vector<std::string>{"texts on", "centre 1.500000,2.500000", "refresh"}));

    // No "General" category: it is made, and the POI lands in it.
    data.localPois.DeleteCategory(u"General");
    data.localPois.AddCategory(u"Other");
    display.calls.clear();
    ASSERT_TRUE(
        HandleReceivedMessage(data, Record(u"0170", MakePoiMessage(3, 4, 7, u"Cafe", 9)), display));
    CPoiCategory* general = data.localPois.FindCategory(u"General");
    ASSERT_NE(general, nullptr);
    ASSERT_EQ(general->GetCount(), 1u);
    EXPECT_EQ(general->GetAt(0)->name, u"Cafe");
    EXPECT_EQ(general->GetAt(0)->type, 7u);
    EXPECT_EQ(general->GetAt(0)->m_lat.value, 3);
    EXPECT_EQ(data.localPois.FindCategory(u"Other")->GetCount(), 0u);
    EXPECT_EQ(display.calls,
              (std::vector<std::string>{"pois on", "centre 3.000000,4.000000", "refresh"}));
    HandleReceivedMessage(data, Record(u"0170", MakePoiMessage(3, 4, 1, u"Bar", 9)), display);
    EXPECT_EQ(general->GetCount(), 2u);
    EXPECT_EQ(data.localPois.GetCount(), 2u);
}

TEST(ReceivedMessages, BadDatagramsChangeNothing) {
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
    CGpsViewData data;
    RecordingDisplay display;
    for (const auto& bytes : cases)
        EXPECT_FALSE(HandleReceivedMessage(data, Record(u"1", bytes), display));
    EXPECT_EQ(data.friendTracks.GetCount(), 0u);
    EXPECT_TRUE(data.positionTexts.IsEmpty());
    EXPECT_TRUE(data.localPois.IsEmpty());
    EXPECT_FALSE(data.lastPosition.IsValid());
    EXPECT_TRUE(display.calls.empty());
    ReceivedMessageRecord none;
    EXPECT_FALSE(HandleReceivedMessage(data, none, display));
}

}  // namespace
}  // namespace rq
