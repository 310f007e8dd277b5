#include "view/ReceivedMessages.h"

#include <iterator>

#include "app/StringTable.h"
#include "friends/PositionMessage.h"
#include "keepers/ReceivedMessageRecord.h"
#include "view/GpsViewData.h"
#include "view/Navigation.h"

namespace rq {

namespace {

void SetPosition(CCoordinate& to, const CCoordinate& from) {
    to.m_lat.Set(from.m_lat);
    to.m_lon.Set(from.m_lon);
}

void OnPositionText(CGpsViewData& data, std::u16string_view sender, const DecodedMessage& m,
                    CViewDisplay& display) {
    CPositionText* text =
        data.positionTexts.AddPositionText(m.latitude, m.longitude, m.text, std::u16string(sender));
    display.SetShowPositionMessage(true);
    display.CenterMap(*text);
    SetPosition(data.lastPosition, *text);
}

void OnPoi(CGpsViewData& data, const DecodedMessage& m, CViewDisplay& display) {
    const std::u16string general = LoadResourceString(StringId::General);
    CPoiCategory* category = data.localPois.FindCategory(general);
    if (!category) category = data.localPois.AddCategory(general);
    if (!category) return;
    const CCoordinate at(m.latitude, m.longitude);
    category->AddPoi(m.poiName, at, m.poiType);
    display.SetShowPoi(true);
    display.CenterMap(at);
    SetPosition(data.lastPosition, at);
}

// Each point's distance is the next older point's plus the way between them; only the
// inserted point and the newer ones change.
void RecomputeDistances(CGpsTrack& track, std::size_t insertedAt) {
    const auto points = track.Points();
    if (points.empty()) return;
    auto it = std::next(points.begin(), static_cast<std::ptrdiff_t>(insertedAt));
    for (;;) {
        auto older = std::next(it);
        if (older == points.end())
            it->distance = 0;
        else
            it->distance = older->distance + it->FlatCourseFrom(*older).distance;
        if (it == points.begin()) break;
        --it;
    }
}

void OnFriendPosition(CGpsViewData& data, std::u16string_view sender, const DecodedMessage& m,
                      CViewDisplay& display) {
    CGpsTrackInfo* track = data.friendTracks.FindByOwner(sender);
    if (!track) track = data.friendTracks.AddOwner(sender, u"", kFriendTrackColour);
    if (!track) return;

    CGpsTrackCoordinate point(m.latitude, m.longitude);
    point.timeKey = m.time;
    point.milestone = 1;
    point.distance = 0;
    point.course = static_cast<double>(m.course);
    // Only the newest position becomes the friend's fix; navigation that was heading for
    // the old fix follows it there.
    const bool newest = track->IsEmpty() || m.time >= track->GetHeadKey();
    if (newest) FollowFriend(data, *track, point);
    std::size_t insertedAt = 0;
    CGpsTrackCoordinate* inserted = track->InsertByKey(point, &insertedAt);
    if (!inserted) return;
    RecomputeDistances(*track, insertedAt);

    // Every position but the newest is drawn as a mark.
    const auto points = track->Points();
    points.front().milestone = 0;
    if (points.size() > 1) std::next(points.begin())->milestone = 1;

    if (newest) {
        CGpsPosition& fix = track->fix;
        fix.m_lat.Set(m.latitude);
        fix.m_lon.Set(m.longitude);
        fix.altitude = m.altitude;
        fix.course = m.course;
        fix.speed = m.speedKnots;
        fix.hdop = m.hdop;
        fix.vdop = 1.0;
        fix.pdop = 1.0;
        fix.satellitesUsed = m.satellitesUsed;
        fix.satellitesInView = m.satellitesInView;
        fix.selectionMode = 2;
        fix.fixMode = 3;
        fix.gpsQuality = 1;
        track->shortName = m.senderName.substr(0, kSenderNameUnits);
        display.CenterMap(point);
    }
    track->SetModified(true);
    SetPosition(data.lastPosition, point);
}

}  // namespace

bool HandleReceivedMessage(CGpsViewData& data, std::u16string_view sender,
                           const std::uint8_t* bytes, std::size_t size, CViewDisplay& display) {
    const auto m = DecodeMessage(bytes, size);
    if (!m) return false;
    // A position from the network that is no coordinate (NaN, out of range) would poison
    // the track's distances and bounds and the map: such a message is ignored.
    if (!CCoordinate(m->latitude, m->longitude).IsValid()) return false;
    switch (m->kind) {
        case kKindPosition:
            OnFriendPosition(data, sender, *m, display);
            break;
        case kKindPositionText:
            OnPositionText(data, sender, *m, display);
            break;
        case kKindPoi:
            OnPoi(data, *m, display);
            break;
    }
    display.RefreshVisibleControl();
    return true;
}

bool HandleReceivedMessage(CGpsViewData& data, const ReceivedMessageRecord& record,
                           CViewDisplay& display) {
    if (record.userDataSize == 0 || record.userData == nullptr) return false;
    return HandleReceivedMessage(data, record.SenderAddress(), record.userData, record.userDataSize,
                                 display);
}

}  // namespace rq
