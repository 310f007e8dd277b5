// Real sentences from the receiver logs of the shared corpus, with what they decode to.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "geo/Unset.h"
#include "nmea/Nmea0183.h"
#include "nmea/TestLines.h"
#include "nmea/decoders/GGA.h"
#include "nmea/decoders/GLL.h"
#include "nmea/decoders/GSA.h"
#include "nmea/decoders/GSV.h"
#include "nmea/decoders/RMC.h"
#include "nmea/decoders/VTG.h"
#include "nmea/decoders/ZDA.h"
#include "support/Sentence.h"

using namespace rq;
using rq::test::Crlf;

namespace {

template <typename T>
const T* Parsed(NMEA0183& nmea, const char* line) {
    nmea.SetSentence(Crlf(line));
    RESPONSE* r = nmea.Parse();
    EXPECT_NE(r, nullptr) << line << ": " << platform::ToUtf8(nmea.errorMessage);
    return static_cast<const T*>(r);
}

platform::TimeValue At(int y, int mo, int d, int h, int mi, int s) {
    return *platform::MakeLocalTime({y, mo, d, h, mi, s});
}

}  // namespace

TEST(FixDecoders, GgaFromSeveralReceivers) {
    struct Case {
        const char* line;
        double lat;
        NorthSouth ns;
        double lon;
        EastWest ew;
        int quality, sats;
        double hdop, alt, sep;
        int hour, minute, second;
    } cases[] = {
        // bu353-glonass (SiRF III), garmin48, hp58534a (no checksum, zero padded),
        // ublox-8 (GN talker), firefly-II's valid-looking form without quality.
        {"$GPGGA,081412.000,5541.1956,N,03737.2877,E,1,5,4.87,66.2,M,14.5,M,,*6A", 5541.1956,
         NorthSouth::North, 3737.2877, EastWest::East, 1, 5, 4.87, 66.2, 14.5, 8, 14, 12},
        {"$GPGGA,225308,4527.458,S,16709.165,E,1,05,2.1,14.7,M,1.1,M,,*53", 4527.458,
         NorthSouth::South, 16709.165, EastWest::East, 1, 5, 2.1, 14.7, 1.1, 22, 53, 8},
        {"$GPGGA,222449,3349.0337,S,01843.9282,E,1,07,02.31,000115.4,M,0033.3,M,,", 3349.0337,
         NorthSouth::South, 1843.9282, EastWest::East, 1, 7, 2.31, 115.4, 33.3, 22, 24, 49},
        {"$GNGGA,000941.00,4404.13387,N,12118.85628,W,1,12,1.01,1144.8,M,-21.4,M,,*4D", 4404.13387,
         NorthSouth::North, 12118.85628, EastWest::West, 1, 12, 1.01, 1144.8, -21.4, 0, 9, 41},
    };
    NMEA0183 nmea;
    for (const Case& c : cases) {
        const GGA* g = Parsed<GGA>(nmea, c.line);
        if (!g) continue;
        EXPECT_DOUBLE_EQ(g->position.latitude.value, c.lat) << c.line;
        EXPECT_EQ(g->position.latitude.hemisphere, c.ns) << c.line;
        EXPECT_DOUBLE_EQ(g->position.longitude.value, c.lon) << c.line;
        EXPECT_EQ(g->position.longitude.hemisphere, c.ew) << c.line;
        EXPECT_EQ(g->gpsQuality, c.quality) << c.line;
        EXPECT_EQ(g->numberOfSatellitesInUse, c.sats) << c.line;
        EXPECT_DOUBLE_EQ(g->horizontalDilutionOfPrecision, c.hdop) << c.line;
        EXPECT_DOUBLE_EQ(g->antennaAltitudeMeters, c.alt) << c.line;
        EXPECT_DOUBLE_EQ(g->geoidalSeparationMeters, c.sep) << c.line;
        EXPECT_TRUE(IsUnset(g->ageOfDifferentialGpsDataSeconds)) << c.line;
        EXPECT_EQ(g->differentialReferenceStationId, 0) << c.line;
        EXPECT_EQ(g->time, At(1980, 1, 1, c.hour, c.minute, c.second)) << c.line;
    }
    // firefly-II sends every GGA with a wrong checksum.
    nmea.SetSentence(Crlf("$GPGGA,005947.00,3715.6616,N,12157.6709,W,,11,0.8,86.0,M,-30.1,M,,*54"));
    EXPECT_EQ(nmea.Parse(), nullptr);
    EXPECT_EQ(nmea.errorMessage, u"GGA, Invalid Checksum");
}

TEST(FixDecoders, GgaEdgeCases) {
    NMEA0183 nmea;
    // Only the fix quality, from a cold receiver (checksum 66): every double unset but
    // the clamped HDOP, every integer 0.
    for (const char* line : {"$GPGGA,,,,,,0,,,,,,,,*66", "$GPGGA,,,,,,0,,,,M,,M,,*66"}) {
        const GGA* g = Parsed<GGA>(nmea, line);
        ASSERT_NE(g, nullptr);
        EXPECT_TRUE(IsUnset(g->position.latitude.value)) << line;
        EXPECT_TRUE(IsUnset(g->position.longitude.value)) << line;
        EXPECT_EQ(g->position.latitude.hemisphere, NorthSouth::Unknown) << line;
        EXPECT_TRUE(IsUnset(g->antennaAltitudeMeters)) << line;
        EXPECT_TRUE(IsUnset(g->geoidalSeparationMeters)) << line;
        EXPECT_TRUE(IsUnset(g->ageOfDifferentialGpsDataSeconds)) << line;
        EXPECT_EQ(g->horizontalDilutionOfPrecision, 50.0) << line;
        EXPECT_EQ(g->gpsQuality, 0) << line;
        EXPECT_EQ(g->numberOfSatellitesInUse, 0) << line;
        EXPECT_EQ(g->differentialReferenceStationId, 0) << line;
        EXPECT_EQ(g->time, 0) << line;
        EXPECT_EQ(g->utcTime, u"") << line;
    }
    struct Hdop {
        const char* field;
        double stored;
    } hdops[] = {{"99.9", 50.0}, {"", 50.0},     {"-1", 50.0}, {"50.0", 50.0},
                 {"0", 0.0},     {"49.9", 49.9}, {"nan", 50.0}};
    for (const Hdop& h : hdops) {
        const std::string line = std::string("$GPGGA,123519,,,,,1,08,") + h.field + ",1,M,,M,,";
        const GGA* g = Parsed<GGA>(nmea, line.c_str());
        ASSERT_NE(g, nullptr);
        EXPECT_DOUBLE_EQ(g->horizontalDilutionOfPrecision, h.stored) << h.field;
    }
}

TEST(FixDecoders, RmcDatesAndValues) {
    NMEA0183 nmea;
    const RMC* r =
        Parsed<RMC>(nmea, "$GNRMC,081411.000,A,5541.1955,N,03737.2872,E,0.60,301.29,260514,,,A*74");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->isDataValid, NmeaBoolean::True);
    EXPECT_DOUBLE_EQ(r->position.latitude.value, 5541.1955);
    EXPECT_DOUBLE_EQ(r->speedOverGroundKnots, 0.60);
    EXPECT_DOUBLE_EQ(r->trackMadeGoodDegreesTrue, 301.29);
    EXPECT_EQ(r->date, u"260514");
    EXPECT_TRUE(IsUnset(r->magneticVariation));
    EXPECT_EQ(r->magneticVariationDirection, EastWest::Unknown);
    EXPECT_EQ(r->talker, u"GN");
    EXPECT_EQ(r->time, At(2014, 5, 26, 8, 14, 11));

    r = Parsed<RMC>(nmea, "$GPRMC,225308,A,4527.458,S,16709.165,E,000.0,094.5,060601,024.1,E*6D");
    ASSERT_NE(r, nullptr);
    EXPECT_DOUBLE_EQ(r->magneticVariation, 24.1);
    EXPECT_EQ(r->magneticVariationDirection, EastWest::East);
    EXPECT_EQ(r->time, At(2001, 6, 6, 22, 53, 8));

    struct DateCase {
        const char* time;
        const char* date;
        platform::TimeValue expected;
    } dates[] = {
        {"235959", "311299", At(2099, 12, 31, 23, 59, 59)},
        {"120000", "290200", At(2000, 2, 29, 12, 0, 0)},
        {"120000", "290201", At(1980, 1, 1, 12, 0, 0)},  // impossible: keeps 1980
        {"120000", "320101", At(1980, 1, 1, 12, 0, 0)},
        {"120000", "0101", At(1980, 1, 1, 12, 0, 0)},  // not six characters
        {"120000", "", At(1980, 1, 1, 12, 0, 0)},
        {"", "010108", At(2008, 1, 1, 0, 0, 0)},
        {"250000", "010108", 0},  // an impossible hour stays 0
    };
    for (const DateCase& d : dates) {
        std::string body = std::string("GPRMC,") + d.time + ",A,,,,,,," + d.date + ",,";
        const std::string line = test::Sentence(body);
        r = Parsed<RMC>(nmea, line.c_str());
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->time, d.expected) << line;
    }
    // Every field empty, from a cold telit-he910.
    r = Parsed<RMC>(nmea, "$GPRMC,,V,,,,,,,,,,N*53");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->isDataValid, NmeaBoolean::False);
    EXPECT_EQ(r->time, 0);
    EXPECT_TRUE(IsUnset(r->speedOverGroundKnots));
}

TEST(FixDecoders, GsaUsedSatellitesAndDilutions) {
    NMEA0183 nmea;
    const GSA* a = Parsed<GSA>(nmea, "$GNGSA,A,3,01,11,31,14,22,32,04,25,03,,,,1.56,0.91,1.27*15");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->selectionMode, 2);
    EXPECT_EQ(a->fixMode, 3);
    EXPECT_EQ(a->satelliteNumber[0], 1);
    EXPECT_EQ(a->satelliteNumber[8], 3);
    EXPECT_EQ(a->satelliteNumber[9], 0);
    EXPECT_TRUE(a->IsSatelliteUsed(31));
    EXPECT_FALSE(a->IsSatelliteUsed(2));
    EXPECT_TRUE(a->IsSatelliteUsed(0));  // an empty slot
    EXPECT_DOUBLE_EQ(a->pdop, 1.56);
    EXPECT_DOUBLE_EQ(a->hdop, 0.91);
    EXPECT_DOUBLE_EQ(a->vdop, 1.27);

    a = Parsed<GSA>(nmea, "$GPGSA,A,3,01,,,,13,20,22,,,,28,,3.1,2.1,2.0*3A");  // garmin48
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->satelliteNumber[4], 13);
    EXPECT_EQ(a->satelliteNumber[10], 28);
    EXPECT_DOUBLE_EQ(a->vdop, 2.0);

    // iTrek's short GSA: no dilutions at all.
    a = Parsed<GSA>(nmea, "$GPGSA,A,1,,,,*32");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->fixMode, 1);
    EXPECT_EQ(a->pdop, 50.0);
    EXPECT_EQ(a->hdop, 50.0);
    EXPECT_EQ(a->vdop, 50.0);
    a = Parsed<GSA>(nmea, "$GPGSA,M,7,,,,,,,,,,,,,99,-1,0.5");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->selectionMode, 1);
    EXPECT_EQ(a->fixMode, 0);
    EXPECT_EQ(a->pdop, 50.0);
    EXPECT_EQ(a->hdop, 50.0);
    EXPECT_EQ(a->vdop, 0.5);
}

TEST(FixDecoders, GsvFillsTheTwelveEntryTable) {
    NMEA0183 nmea;
    const GSV* v =
        Parsed<GSV>(nmea, "$GPGSV,2,1,08,01,10,158,45,03,72,164,41,11,24,279,,14,30,119,48*76");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->messageNumber, 1);
    EXPECT_EQ(v->satellitesInView, 8);
    EXPECT_EQ(v->satellites[0].satelliteNumber, 1);
    EXPECT_EQ(v->satellites[0].elevationDegrees, 10);
    EXPECT_EQ(v->satellites[0].azimuthDegreesTrue, 158);
    EXPECT_EQ(v->satellites[0].signalToNoiseRatio, 45);
    EXPECT_EQ(v->satellites[2].signalToNoiseRatio, -1);  // not tracked
    v = Parsed<GSV>(nmea, "$GPGSV,2,2,08,15,33,070,40,16,05,184,,18,20,046,,19,73,304,*7B");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->satellites[3].satelliteNumber, 14);
    EXPECT_EQ(v->satellites[7].satelliteNumber, 19);
    EXPECT_EQ(v->satellites[7].signalToNoiseRatio, -1);

    // Message 2 of 3 with nine in view: entries 4-7 filled, 9-11 cleared.
    Parsed<GSV>(nmea, "$GPGSV,3,3,12,30,10,010,10,31,11,011,11,32,12,012,12,33,13,013,13");
    v = Parsed<GSV>(nmea, "$GPGSV,3,2,09,20,40,083,46,21,17,308,41,22,07,344,39,23,22,228,45");
    ASSERT_NE(v, nullptr);
    for (int i = 4; i < 8; ++i) EXPECT_EQ(v->satellites[i].satelliteNumber, 16 + i) << i;
    EXPECT_EQ(v->satellites[8].satelliteNumber, 30);
    for (int i = 9; i < 12; ++i) {
        EXPECT_EQ(v->satellites[i].satelliteNumber, 0) << i;
        EXPECT_EQ(v->satellites[i].signalToNoiseRatio, -1) << i;
    }
    EXPECT_EQ(v->satellites[0].satelliteNumber, 1);  // message 1 stays

    // Message 4 of 4 (ublox-8) is not stored; zero in view clears everything.
    v = Parsed<GSV>(nmea, "$GPGSV,4,4,16,30,12,249,17,46,31,150,,48,38,197,,51,37,160,*7C");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->satellites[0].satelliteNumber, 1);
    v = Parsed<GSV>(nmea, "$GPGSV,1,1,00,,,,,,,,,,,,,,,,*79");
    ASSERT_NE(v, nullptr);
    for (const SATELLITE_DATA& d : v->satellites) EXPECT_EQ(d.satelliteNumber, 0);
}

TEST(FixDecoders, VtgGllZda) {
    NMEA0183 nmea;
    const VTG* t = Parsed<VTG>(nmea, "$GPVTG,000.0,T,,M,000.0,N,000.0,K,N*02");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->trackDegreesTrue, 0.0);
    EXPECT_TRUE(IsUnset(t->trackDegreesMagnetic));
    t = Parsed<VTG>(nmea, "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48");
    ASSERT_NE(t, nullptr);
    EXPECT_DOUBLE_EQ(t->trackDegreesMagnetic, 34.4);
    EXPECT_DOUBLE_EQ(t->speedKilometersPerHour, 10.2);

    const GLL* l = Parsed<GLL>(nmea, "$GNGLL,5230.88855,N,01327.85591,E,181141.00,A,A*70");
    ASSERT_NE(l, nullptr);
    EXPECT_DOUBLE_EQ(l->position.longitude.value, 1327.85591);
    EXPECT_EQ(l->utcTime, u"181141.00");
    EXPECT_EQ(l->time, At(1980, 1, 1, 18, 11, 41));
    EXPECT_EQ(l->isDataValid, NmeaBoolean::True);

    const ZDA* z = Parsed<ZDA>(nmea, "$GPZDA,222449,25,10,2010,+00,00");  // hp58534a
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->utcTime, u"222449");
    EXPECT_EQ(z->year, 2010);
    EXPECT_EQ(z->month, 10);
    EXPECT_EQ(z->day, 25);
    EXPECT_EQ(nmea.PlainEnglish(), u"It is 22:24:49 UTC on 2010-10-25");
}

// The day cache behind the time values must not smooth over a clock change.
TEST(FixDecoders, TimesOnADaylightSavingChangeDay) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    NMEA0183 nmea;
    struct Case {
        const char* line;
        int day, hour, minute;
    } cases[] = {
        {"$GPRMC,013000,A,,,,,,,290320,,*2E", 29, 1, 30},  // before the change at 02:00
        {"$GPRMC,033000,A,,,,,,,290320,,*2C", 29, 3, 30},  // after it
        {"$GPRMC,120000,A,,,,,,,280320,,*2E", 28, 12, 0},
    };
    for (const Case& c : cases) {
        nmea.SetSentence(test::Crlf(c.line));
        const RMC* r = static_cast<const RMC*>(nmea.Parse());
        ASSERT_NE(r, nullptr) << c.line << platform::ToUtf8(nmea.errorMessage);
        EXPECT_EQ(r->time, At(2020, 3, c.day, c.hour, c.minute, 0)) << c.line;
    }
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}
