#include "view/AutoSave.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/StringTable.h"
#include "friends/FriendTrackFileName.h"
#include "view/GpsViewData.h"
#include "view/ModelFiles.h"

namespace rq {

namespace {

constexpr const char* kCurrentTrack = "my.tk";
constexpr const char* kPositionTexts = "default.pxt";

}  // namespace

void CAutoSave::Start(std::uint32_t now) {
    m_last = now;
    m_started = true;
    m_interval = kIntervalMs;
    if (const char* text = std::getenv("ROAMQUILL_AUTOSAVE_MS")) {
        char* end = nullptr;
        const unsigned long ms = std::strtoul(text, &end, 10);
        if (end != text && *end == '\0' && *text != '-' && ms > 0 && ms < kIntervalMs)
            m_interval = static_cast<std::uint32_t>(ms);
    }
}

bool CAutoSave::OnTimer(CGpsViewData& data, std::uint32_t now) {
    // Unsigned difference: right across the wrap of the tick counter.
    if (!m_started || now - m_last < m_interval) return false;
    m_last = now;

    // Names that were due, to re-arm the message of those that saved.
    std::vector<std::string> due;
    if (data.track.IsModified()) due.push_back(kCurrentTrack);
    for (const auto& track : data.friendTracks.Tracks()) {
        if (track->IsModified()) due.push_back(FriendTrackFileName(track->ownerId));
    }
    const std::vector<std::string> failed = SaveModifiedTracksQuietly(data);
    for (const std::string& fileName : due) {
        if (std::find(failed.begin(), failed.end(), fileName) == failed.end()) Succeeded(fileName);
    }
    for (const std::string& fileName : failed) {
        if (m_reported.insert(fileName).second) ReportSavingTrackFailed(fileName);
    }

    if (data.positionTexts.IsModified()) {
        if (data.positionTexts.SaveFile()) {
            Succeeded(kPositionTexts);
        } else if (m_reported.insert(kPositionTexts).second) {
            ShowStringMessage(StringId::FailedToSaveDefaultPositionText,
                              platform::MessageIcon::Error);
        }
    }
    return true;
}

}  // namespace rq
