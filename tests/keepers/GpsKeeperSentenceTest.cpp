#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "geo/Unset.h"
#include "keepers/GpsKeeper.h"
#include "nmea/Nmea0183.h"
#include "nmea/Response.h"
#include "platform/Text.h"
#include "support/Sentence.h"

namespace rq {
namespace {

using test::Sentence;

// Feeds the sentences the way the workers do and returns the keeper's record.
class Feeder {
public:
    Feeder() { keeper.Position().Reset(); }
    void Feed(const std::string& body) {
        parser.SetSentence(platform::FromUtf8(Sentence(body) + "\r\n"));
        RESPONSE* response = parser.Parse();
        ASSERT_NE(response, nullptr) << body << ": " << platform::ToUtf8(parser.errorMessage);
        keeper.HandleSentence(*response);
    }
    CGpsPosition& Fix() { return keeper.Position(); }
    CGpsKeeper keeper;
    NMEA0183 parser;
};

platform::TimeValue Local(int y, int mo, int d, int h, int mi, int s) {
    return platform::MakeLocalTime({y, mo, d, h, mi, s}).value_or(-1);
}

const char* kRmc = "GPRMC,140509,A,5130.1920,N,00009.1680,W,2.72,70.0,150308,2.5,W";
const char* kGga = "GPGGA,140509,5130.1920,N,00009.1680,W,1,06,0.9,35.0,M,47.0,M,,";

struct Case {
    const char* what;
    std::vector<std::string> before;  // applied, then the mask is cleared
    std::vector<std::string> sentences;
    std::function<void(const CGpsPosition&)> check;
};

TEST(GpsKeeperSentenceTest, MergesSentencesIntoTheFix) {
    const Case cases[] = {
        {"fresh record",
         {},
         {},
         [](const CGpsPosition& f) {
             EXPECT_EQ(f.fixValid, 1);
             EXPECT_EQ(f.m_lat.value, kUnset);
             EXPECT_EQ(f.m_lon.value, kUnset);
             EXPECT_EQ(f.hdop, 50.0);
             EXPECT_EQ(f.vdop, 50.0);
             EXPECT_EQ(f.pdop, 50.0);
             EXPECT_EQ(f.time, 0);
             for (const CSatellite& s : f.satellites) {
                 EXPECT_EQ(s.prn, -1);
                 EXPECT_EQ(s.used, 0);
             }
             EXPECT_FALSE(f.HasFix());
         }},
        {"RMC takes position, speed, time, course",
         {},
         {kRmc},
         [](const CGpsPosition& f) {
             EXPECT_NEAR(f.m_lat.value, 51.5032, 1e-9);
             EXPECT_NEAR(f.m_lon.value, -0.1528, 1e-9);
             EXPECT_DOUBLE_EQ(f.speed, 2.72);
             EXPECT_DOUBLE_EQ(f.course, 70.0);
             EXPECT_EQ(f.time, Local(2008, 3, 15, 14, 5, 9));
             EXPECT_EQ(f.fixValid, 1);
             EXPECT_EQ(f.changedMask, kChangedLatitude | kChangedLongitude | kChangedSpeed |
                                          kChangedTime | kChangedCourse);
         }},
        {"the same RMC again changes nothing, south and west included",
         {kRmc},
         {kRmc},
         [](const CGpsPosition& f) { EXPECT_EQ(f.changedMask, 0u); }},
        {"RMC status V",
         {},
         {"GPRMC,140509,V,,,,,,,150308,,"},
         [](const CGpsPosition& f) {
             EXPECT_EQ(f.fixValid, 0);
             // Empty position keeps the old (unset) one; empty speed and course become 0.
             EXPECT_EQ(f.m_lat.value, kUnset);
             EXPECT_EQ(f.speed, 0.0);
             EXPECT_EQ(f.course, 0.0);
             EXPECT_TRUE(f.changedMask & kChangedSpeed);
             EXPECT_TRUE(f.changedMask & kChangedCourse);
         }},
        {"RMC with empty speed and course sets their bits every time",
         {"GPRMC,140509,A,5130.1920,N,00009.1680,W,,,150308,,"},
         {"GPRMC,140509,A,5130.1920,N,00009.1680,W,,,150308,,"},
         [](const CGpsPosition& f) {
             EXPECT_EQ(f.changedMask, kChangedSpeed | kChangedCourse);
             EXPECT_EQ(f.speed, 0.0);
         }},
        {"GGA quality 0 after RMC A",
         {kRmc},
         {"GPGGA,140510,,,,,0,00,,,M,,M,,"},
         [](const CGpsPosition& f) { EXPECT_EQ(f.fixValid, 0); }},
        {"GGA before any RMC leaves the time",
         {},
         {kGga},
         [](const CGpsPosition& f) {
             EXPECT_NEAR(f.m_lat.value, 51.5032, 1e-9);
             EXPECT_DOUBLE_EQ(f.altitude, 35.0);
             EXPECT_DOUBLE_EQ(f.hdop, 0.9);
             EXPECT_EQ(f.satellitesUsed, 6);
             EXPECT_EQ(f.gpsQuality, 1);
             EXPECT_EQ(f.time, 0);
             EXPECT_EQ(f.changedMask, kChangedLatitude | kChangedLongitude | kChangedAltitude |
                                          kChangedHdop | kChangedSatellites);
         }},
        {"two identical GGA set the bits only the first time",
         {kGga},
         {kGga},
         [](const CGpsPosition& f) { EXPECT_EQ(f.changedMask, 0u); }},
        {"GGA moves the clock of a known date",
         {kRmc},
         {"GPGGA,140510,5130.1920,N,00009.1680,W,1,06,0.9,35.0,M,47.0,M,,"},
         [](const CGpsPosition& f) {
             EXPECT_EQ(f.time, Local(2008, 3, 15, 14, 5, 10));
             EXPECT_EQ(f.changedMask,
                       kChangedTime | kChangedAltitude | kChangedHdop | kChangedSatellites);
         }},
        {"GGA with the time RMC gave",
         {kRmc},
         {kGga},
         [](const CGpsPosition& f) { EXPECT_FALSE(f.changedMask & kChangedTime); }},
        {"GGA without a time field leaves the time",
         {kRmc},
         {"GPGGA,,5130.1920,N,00009.1680,W,1,06,0.9,35.0,M,47.0,M,,"},
         [](const CGpsPosition& f) {
             EXPECT_EQ(f.time, Local(2008, 3, 15, 14, 5, 9));
             EXPECT_FALSE(f.changedMask & kChangedTime);
         }},
        {"GGA with empty altitude stores 0 and sets the bit every time",
         {"GPGGA,140509,5130.1920,N,00009.1680,W,1,06,0.9,,M,,M,,"},
         {"GPGGA,140509,5130.1920,N,00009.1680,W,1,06,0.9,,M,,M,,"},
         [](const CGpsPosition& f) {
             EXPECT_EQ(f.altitude, 0.0);
             EXPECT_EQ(f.changedMask, kChangedAltitude);
         }},
        {"differences up to 0.0001 are no change",
         {kGga},
         {"GPGGA,140509,5130.1920,N,00009.1680,W,1,06,0.90005,35.00009,M,47.0,M,,"},
         [](const CGpsPosition& f) {
             EXPECT_EQ(f.changedMask, 0u);
             EXPECT_DOUBLE_EQ(f.altitude, 35.0);
         }},
        {"a difference above 0.0001 is a change",
         {kGga},
         {"GPGGA,140509,5130.1920,N,00009.1680,W,1,06,0.9,35.0002,M,47.0,M,,"},
         [](const CGpsPosition& f) {
             EXPECT_EQ(f.changedMask, kChangedAltitude);
             EXPECT_DOUBLE_EQ(f.altitude, 35.0002);
         }},
        {"GSA takes DOPs, modes and used flags",
         {"GPGSV,2,1,05,03,62,110,44,06,35,047,40,09,18,300,31,12,71,210,46",
          "GPGSV,2,2,05,15,24,160,36"},
         {"GPGSA,A,3,03,12,,,,,,,,,,,1.7,0.9,1.4"},
         [](const CGpsPosition& f) {
             EXPECT_DOUBLE_EQ(f.pdop, 1.7);
             EXPECT_DOUBLE_EQ(f.hdop, 0.9);
             EXPECT_DOUBLE_EQ(f.vdop, 1.4);
             EXPECT_EQ(f.fixMode, 3);
             EXPECT_EQ(f.selectionMode, 2);
             EXPECT_EQ(f.changedMask, kChangedPdop | kChangedHdop | kChangedVdop | kChangedFixMode |
                                          kChangedSelectionMode | kChangedSatellites);
             int used[24];
             for (int i = 0; i < 24; ++i) used[i] = f.satellites[i].used;
             EXPECT_EQ(used[0], 1);
             EXPECT_EQ(used[1], 0);
             EXPECT_EQ(used[3], 1);
             // Cleared entries (PRN 0) are no satellite, though GSA's empty slots read 0.
             for (int i = 5; i < 24; ++i) EXPECT_EQ(used[i], 0) << i;
             EXPECT_EQ(f.fixValid, 1);
         }},
        {"GSV with 5 in view clears entries 5 to 23",
         {"GPGSV,3,1,09,03,62,110,44,06,35,047,40,09,18,300,31,12,71,210,46",
          "GPGSV,3,2,09,15,24,160,36,18,09,020,22,21,48,270,42,24,13,330,27",
          "GPGSA,A,3,03,06,09,12,15,18,21,24,,,,,1.7,0.9,1.4"},
         {"GPGSV,2,1,05,03,62,110,44,06,35,047,40,09,18,300,31,12,71,210,46"},
         [](const CGpsPosition& f) {
             EXPECT_EQ(f.satellitesInView, 5);
             EXPECT_EQ(f.satellites[4].prn, 15);  // entry 4 stays until message 2 comes
             for (int i = 5; i < 24; ++i) {
                 EXPECT_EQ(f.satellites[i].prn, 0) << i;
                 EXPECT_EQ(f.satellites[i].snr, 0) << i;
                 EXPECT_EQ(f.satellites[i].elevation, 0) << i;
             }
             EXPECT_EQ(f.satellites[6].used, 1);  // the used flag stays
             EXPECT_EQ(f.changedMask, kChangedSatellites);
         }},
        {"GSV takes the groups and an untracked SNR",
         {},
         {"GPGSV,3,3,09,27,55,080,"},
         [](const CGpsPosition& f) {
             EXPECT_EQ(f.satellites[8].prn, 27);
             EXPECT_EQ(f.satellites[8].elevation, 55);
             EXPECT_EQ(f.satellites[8].azimuth, 80);
             EXPECT_EQ(f.satellites[8].snr, -1);
             for (int i = 9; i < 24; ++i) EXPECT_EQ(f.satellites[i].prn, 0) << i;
         }},
        {"GSV message 4 and too many in view change no entry",
         {},
         {"GPGSV,4,4,30,03,62,110,44"},
         [](const CGpsPosition& f) {
             EXPECT_EQ(f.satellitesInView, 30);
             for (const CSatellite& s : f.satellites) EXPECT_EQ(s.prn, -1);
         }},
        {"VTG with an empty speed stores the unset value",
         {kRmc},
         {"GPVTG,71.0,T,73.5,M,,N,,K"},
         [](const CGpsPosition& f) {
             EXPECT_EQ(f.speed, kUnset);
             EXPECT_DOUBLE_EQ(f.course, 71.0);
             EXPECT_DOUBLE_EQ(f.courseMagnetic, 73.5);
             EXPECT_EQ(f.changedMask, kChangedSpeed | kChangedCourse | kChangedMagneticCourse);
             EXPECT_EQ(f.fixValid, 1);
         }},
        {"VTG takes exact differences",
         {"GPVTG,71.0,T,73.5,M,2.72,N,5.04,K"},
         {"GPVTG,71.00001,T,73.5,M,2.72,N,5.04,K"},
         [](const CGpsPosition& f) { EXPECT_EQ(f.changedMask, kChangedCourse); }},
        {"GLL and other sentences change nothing",
         {kRmc},
         {"GPGLL,4916.45,N,12311.12,W,225444,A", "GPZDA,201530.00,04,07,2002,00,00"},
         [](const CGpsPosition& f) {
             EXPECT_EQ(f.changedMask, 0u);
             EXPECT_NEAR(f.m_lat.value, 51.5032, 1e-9);
         }},
        {"a full fix",
         {},
         {kRmc, kGga, "GPGSA,A,3,03,12,,,,,,,,,,,1.7,0.9,1.4"},
         [](const CGpsPosition& f) { EXPECT_TRUE(f.HasFix()); }},
        {"a 2D fix with a DOP above 15 is no fix",
         {},
         {kGga, "GPGSA,A,2,03,12,,,,,,,,,,,15.1,0.9,1.4"},
         [](const CGpsPosition& f) { EXPECT_FALSE(f.HasFix()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Feeder feeder;
        for (const std::string& s : c.before) feeder.Feed(s);
        feeder.Fix().changedMask = 0;
        for (const std::string& s : c.sentences) feeder.Feed(s);
        c.check(feeder.Fix());
    }
}

TEST(GpsKeeperSentenceTest, ResetCopyAndAssignment) {
    Feeder feeder;
    feeder.Feed(kRmc);
    feeder.Feed(kGga);
    feeder.Feed("GPGSV,1,1,02,03,62,110,44,06,35,047,40");
    CGpsPosition& fix = feeder.Fix();
    fix.lonScale = 1234.0;

    CGpsPosition copy(fix);
    EXPECT_EQ(copy.lonScale, 0.0);
    CGpsPosition target;
    target.lonScale = 99.0;
    target = fix;
    EXPECT_EQ(target.lonScale, 99.0);
    for (const CGpsPosition* p : {&copy, &target}) {
        EXPECT_EQ(p->m_lat.value, fix.m_lat.value);
        EXPECT_EQ(p->m_lon.value, fix.m_lon.value);
        EXPECT_EQ(p->time, fix.time);
        EXPECT_EQ(p->altitude, fix.altitude);
        EXPECT_EQ(p->changedMask, fix.changedMask);
        EXPECT_EQ(p->satellitesUsed, 6);
        EXPECT_EQ(p->satellites[1].prn, 6);
        EXPECT_EQ(p->satellites[1].snr, 40);
    }

    platform::TimeValue time = fix.time;
    fix.Reset();
    EXPECT_EQ(fix.time, time);  // reset keeps the time
    EXPECT_EQ(fix.m_lat.value, kUnset);
    EXPECT_EQ(fix.altitude, 0.0);
    EXPECT_EQ(fix.satellitesUsed, 0);
    EXPECT_EQ(fix.satellites[1].prn, -1);
    EXPECT_EQ(fix.changedMask, 0u);
    EXPECT_EQ(fix.fixValid, 1);
}

}  // namespace
}  // namespace rq
