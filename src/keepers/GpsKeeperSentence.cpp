// How one decoded sentence changes the fix record.
#include <cmath>
#include <cstdint>

#include "geo/Unset.h"
#include "keepers/GpsKeeper.h"
#include "nmea/Nmea0183.h"
#include "nmea/Response.h"
#include "nmea/decoders/GGA.h"
#include "nmea/decoders/GSA.h"
#include "nmea/decoders/GSV.h"
#include "nmea/decoders/RMC.h"
#include "nmea/decoders/VTG.h"
#include "platform/CachedLocalTime.h"

namespace rq {

namespace {

// "Differs" for doubles is more than a ten-thousandth apart.
bool Differs(double stored, double incoming) {
    return std::fabs(stored - incoming) > 0.0001;
}

// A mnemonic compared character by character: this runs for every sentence.
bool Is(const std::u16string& mnemonic, const char16_t (&name)[4]) {
    return mnemonic.size() == 3 && mnemonic[0] == name[0] && mnemonic[1] == name[1] &&
           mnemonic[2] == name[2];
}

constexpr int kPrnSetWords = 4;  // PRNs 1 to 255

double UnsetAsZero(double value) {
    return IsUnset(value) ? 0.0 : value;
}

class Merger {
public:
    explicit Merger(CGpsPosition& fix) : fix_(fix) {}

    void Position(const LATLONG& position) {
        if (!IsUnset(position.latitude.value)) {
            CLatitude lat;
            lat.SetNmea(position.latitude.value, static_cast<int>(position.latitude.hemisphere));
            if (!fix_.m_lat.IsEqual(lat)) {
                fix_.m_lat.Set(lat);
                fix_.changedMask |= kChangedLatitude;
            }
        }
        if (!IsUnset(position.longitude.value)) {
            CLongitude lon;
            lon.SetNmea(position.longitude.value, static_cast<int>(position.longitude.hemisphere));
            if (!fix_.m_lon.IsEqual(lon)) {
                fix_.m_lon.Set(lon);
                fix_.changedMask |= kChangedLongitude;
            }
        }
    }

    // The raw value is compared, so an empty field (unset, stored as 0) is a change
    // every time it comes.
    void TakeIfDiffers(double& stored, double incoming, std::uint32_t bit, bool unsetAsZero) {
        if (Differs(stored, incoming)) {
            stored = unsetAsZero ? UnsetAsZero(incoming) : incoming;
            fix_.changedMask |= bit;
        }
    }

    void TakeIfNotEqual(double& stored, double incoming, std::uint32_t bit, bool unsetAsZero) {
        if (stored != incoming) {
            stored = unsetAsZero ? UnsetAsZero(incoming) : incoming;
            fix_.changedMask |= bit;
        }
    }

    void TakeIfNotEqual(int& stored, int incoming, std::uint32_t bit) {
        if (stored != incoming) {
            stored = incoming;
            fix_.changedMask |= bit;
        }
    }

    void Rmc(const RMC& rmc) {
        Position(rmc.position);
        TakeIfDiffers(fix_.speed, rmc.speedOverGroundKnots, kChangedSpeed, true);
        if (fix_.time != rmc.time) {
            fix_.time = rmc.time;
            fix_.changedMask |= kChangedTime;
        }
        TakeIfNotEqual(fix_.course, rmc.trackMadeGoodDegreesTrue, kChangedCourse, true);
        fix_.fixValid = rmc.isDataValid == NmeaBoolean::True ? 1 : 0;
    }

    void Gga(const GGA& gga) {
        Position(gga.position);
        TakeIfDiffers(fix_.altitude, gga.antennaAltitudeMeters, kChangedAltitude, true);
        TakeIfDiffers(fix_.hdop, gga.horizontalDilutionOfPrecision, kChangedHdop, false);
        TakeIfNotEqual(fix_.satellitesUsed, gga.numberOfSatellitesInUse, kChangedSatellites);
        TakeIfNotEqual(fix_.gpsQuality, gga.gpsQuality, kChangedSatellites);
        GgaTime(gga.time);
        fix_.fixValid = fix_.gpsQuality != 0 ? 1 : 0;
    }

    // GGA has the time of day only: it moves the clock of a date RMC has given, and
    // never sets a time without one. A GGA without a time field leaves it alone.
    void GgaTime(platform::TimeValue sentenceTime) {
        if (sentenceTime == 0) return;
        platform::CalendarTime stored = platform::ToLocalCalendarCached(fix_.time);
        if (stored.year <= 1980) return;
        platform::CalendarTime incoming = platform::ToLocalCalendarCached(sentenceTime);
        if (stored.hour == incoming.hour && stored.minute == incoming.minute &&
            stored.second == incoming.second)
            return;
        platform::CalendarTime moved = stored;
        moved.hour = incoming.hour;
        moved.minute = incoming.minute;
        moved.second = incoming.second;
        if (std::optional<platform::TimeValue> value = platform::MakeLocalTimeCached(moved)) {
            fix_.time = *value;
            fix_.changedMask |= kChangedTime;
        }
    }

    void Gsa(const GSA& gsa) {
        TakeIfDiffers(fix_.pdop, gsa.pdop, kChangedPdop, false);
        TakeIfDiffers(fix_.hdop, gsa.hdop, kChangedHdop, false);
        TakeIfDiffers(fix_.vdop, gsa.vdop, kChangedVdop, false);
        TakeIfNotEqual(fix_.fixMode, gsa.fixMode, kChangedFixMode);
        TakeIfNotEqual(fix_.selectionMode, gsa.selectionMode, kChangedSelectionMode);
        // The PRNs of the sentence as a set, so each satellite is one look-up; a PRN
        // beyond the set's range is searched for as GSA does it.
        std::uint64_t usedSet[kPrnSetWords] = {};
        for (int n : gsa.satelliteNumber)
            if (n > 0 && n < 64 * kPrnSetWords) usedSet[n >> 6] |= std::uint64_t{1} << (n & 63);
        for (CSatellite& sat : fix_.satellites) {
            // An empty GSA slot reads as PRN 0; it names no satellite, and neither do
            // the cleared (PRN 0) or never filled (PRN -1) entries.
            int used = 0;
            if (sat.prn > 0 && sat.prn < 64 * kPrnSetWords)
                used = usedSet[sat.prn >> 6] >> (sat.prn & 63) & 1;
            else if (sat.prn > 0)
                used = gsa.IsSatelliteUsed(sat.prn) ? 1 : 0;
            if (used != sat.used) {
                sat.used = used;
                fix_.changedMask |= kChangedSatellites;
            }
        }
    }

    void Gsv(const GSV& gsv) {
        TakeIfNotEqual(fix_.satellitesInView, gsv.satellitesInView, kChangedSatellites);
        if (gsv.messageNumber >= 1 && gsv.messageNumber <= 3) {
            for (int k = 0; k < 4; ++k) {
                int index = 4 * (gsv.messageNumber - 1) + k;
                CSatellite& sat = fix_.satellites[index];
                if (!sat.SameAs(gsv.satellites[index])) {
                    sat.Take(gsv.satellites[index]);
                    fix_.changedMask |= kChangedSatellites;
                }
            }
        }
        int from = fix_.satellitesInView < 0 ? 0 : fix_.satellitesInView;
        for (int i = from; i < CGpsPosition::kSatelliteCount; ++i) {
            CSatellite& sat = fix_.satellites[i];
            sat.prn = 0;
            sat.elevation = 0;
            sat.azimuth = 0;
            sat.snr = 0;
        }
    }

    void Vtg(const VTG& vtg) {
        TakeIfNotEqual(fix_.speed, vtg.speedKnots, kChangedSpeed, false);
        TakeIfNotEqual(fix_.course, vtg.trackDegreesTrue, kChangedCourse, false);
        TakeIfNotEqual(fix_.courseMagnetic, vtg.trackDegreesMagnetic, kChangedMagneticCourse,
                       false);
    }

private:
    CGpsPosition& fix_;
};

}  // namespace

void CGpsKeeper::DecodeMergedTypesOnly(NMEA0183& parser) {
    // Those HandleSentence reads below, and of them only what it reads; GLL it passes
    // over.
    parser.DecodeOnly({u"RMC", u"GGA", u"GSA", u"GSV", u"VTG"}, true);
}

void CGpsKeeper::HandleSentence(const RESPONSE& response) {
    Merger merger(Position());
    const std::u16string& m = response.mnemonic;
    if (Is(m, u"RMC"))
        merger.Rmc(static_cast<const RMC&>(response));
    else if (Is(m, u"GGA"))
        merger.Gga(static_cast<const GGA&>(response));
    else if (Is(m, u"GSA"))
        merger.Gsa(static_cast<const GSA&>(response));
    else if (Is(m, u"GSV"))
        merger.Gsv(static_cast<const GSV&>(response));
    else if (Is(m, u"GLL"))
        return;  // its time only paces playback
    else if (Is(m, u"VTG"))
        merger.Vtg(static_cast<const VTG&>(response));
}

}  // namespace rq
