#include <gtest/gtest.h>

#include <iterator>
#include <list>
#include <random>
#include <vector>

#include "track/GpsTrack.h"

namespace rq {
namespace {

CGpsTrackCoordinate Point(double lat, double lon, std::uint32_t key = 0) {
    CGpsTrackCoordinate p(lat, lon);
    p.timeKey = key;
    return p;
}

// left, top, right, bottom
std::vector<double> Edges(const CDoubleRect& b) {
    return {b.left, b.top, b.right, b.bottom};
}

std::vector<std::uint32_t> Keys(const CGpsTrack& track) {
    std::vector<std::uint32_t> keys;
    for (const auto& p : track.Points()) keys.push_back(p.timeKey);
    return keys;
}

TEST(GpsTrack, HeadIsNewestTailOldestAndCopiesKeepEveryField) {
    CGpsTrack track;
    EXPECT_EQ(track.GetHead(), nullptr);
    EXPECT_EQ(track.GetTail(), nullptr);
    EXPECT_EQ(track.GetHeadKey(), 0u);
    EXPECT_FALSE(track.IsModified());

    CGpsTrackCoordinate first = Point(1, 2, 7);
    first.milestone = 1;
    first.distance = 12.5;
    first.course = 90;
    first.lonScale = 5;
    track.AddHead(first);
    EXPECT_TRUE(track.IsModified());
    track.AddHead(Point(3, 4, 9));
    track.AddTail(Point(0, 0, 5));
    EXPECT_EQ(Keys(track), (std::vector<std::uint32_t>{9, 7, 5}));
    EXPECT_EQ(track.GetHeadKey(), 9u);
    const CGpsTrackCoordinate& copy = *std::next(track.Points().begin());
    EXPECT_EQ(copy.milestone, 1u);
    EXPECT_EQ(copy.distance, 12.5);
    EXPECT_EQ(copy.course, 90);
    EXPECT_EQ(copy.lonScale, 0) << "the longitude scale is not copied";
}

TEST(GpsTrack, BoundsStartAtFirstPointGrowAndNeverShrink) {
    CGpsTrack track;
    EXPECT_EQ(track.GetBounds().left, 0);
    track.AddHead(Point(10, 20));
    EXPECT_EQ(Edges(track.GetBounds()), (std::vector<double>{20, 10, 20, 10}));
    track.AddTail(Point(-5, 30));
    track.SetModified(false);
    track.InsertByKey(Point(12, 15));  // where keys put it is checked against the list below
    EXPECT_FALSE(track.IsModified()) << "inserting by key leaves the flag alone";
    EXPECT_EQ(Edges(track.GetBounds()), (std::vector<double>{15, 12, 30, -5}));

    track.RemoveTail();
    track.RemoveSecond();
    EXPECT_EQ(track.GetBounds().bottom, -5) << "removal keeps the rectangle";
    track.SetModified(false);
    track.RemoveAll();
    EXPECT_TRUE(track.IsModified());
    EXPECT_EQ(track.GetCount(), 0u);
    EXPECT_EQ(track.GetBounds().right, 30) << "emptying keeps the rectangle";
    track.AddHead(Point(1, 1));
    EXPECT_EQ(track.GetBounds().right, 1) << "the next point starts it again";
}

// The block store against a plain list through a long run of every operation, so that
// making room at either end and the moves of RemoveSecond lose no point, order or
// longitude scale (a point moved to another slot keeps the scale it computed); a key
// inserted goes before the first point with a key not above it.
TEST(GpsTrack, AgreesWithAListThroughEveryOperation) {
    struct Model {
        std::uint32_t key;
        double scale;
    };
    CGpsTrack track;
    std::list<Model> model;
    std::mt19937 random(7);
    for (int step = 1; step <= 6000; ++step) {
        const std::uint32_t key = random() % 1000;
        const unsigned op = random() % 9;
        if (op < 3) {
            track.AddHead(Point(0, 0, key));
            model.push_front({key, 0});
        } else if (op < 5) {
            track.AddTail(Point(0, 0, key));
            model.push_back({key, 0});
        } else if (op < 6) {
            std::size_t at = 0;
            track.InsertByKey(Point(0, 0, key), &at);
            auto it = model.begin();
            while (it != model.end() && it->key > key) ++it;
            ASSERT_EQ(at, static_cast<std::size_t>(std::distance(model.begin(), it)));
            model.insert(it, {key, 0});
        } else if (op < 7) {
            track.RemoveTail();
            if (!model.empty()) model.pop_back();
        } else if (op < 8) {
            track.RemoveSecond();
            if (model.size() >= 2) model.erase(std::next(model.begin()));
        } else if (random() % 40 == 0) {
            track.RemoveAll();
            model.clear();
        }
        if (CGpsTrackCoordinate* head = track.GetHead()) {
            head->lonScale = step;
            model.front().scale = step;
        }
        ASSERT_EQ(track.GetCount(), model.size()) << step;
        auto m = model.begin();
        for (const CGpsTrackCoordinate& p : track.Points()) {
            ASSERT_EQ(p.timeKey, m->key) << step;
            ASSERT_EQ(p.lonScale, m->scale) << step;
            ++m;
        }
        if (!model.empty()) {
            ASSERT_EQ(track.GetTail()->timeKey, model.back().key);
        }
    }
}

}  // namespace
}  // namespace rq
