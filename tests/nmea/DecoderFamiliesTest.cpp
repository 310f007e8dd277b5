// The decoders that share one layout per family keep each member's own mnemonic,
// written form and rendering.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "nmea/Nmea0183.h"
#include "nmea/TestLines.h"
#include "nmea/decoders/BearingBetweenWaypoints.h"
#include "nmea/decoders/BearingToWaypoint.h"
#include "nmea/decoders/TransitPosition.h"
#include "nmea/decoders/WaypointDistance.h"
#include "nmea/decoders/ZTimes.h"
#include "platform/Text.h"

namespace rq {
namespace {

struct FamilyLine {
    const char* line;
    const char* written;  // without CR LF
    const char* plain;
};

// Sent lines, short and over-long ones included, with what the decoder writes back and
// how it renders them.
const FamilyLine kFamilyLines[] = {
    {"$GPBWC,220516,5130.02,N,00046.34,W,213.8,T,218.0,M,0004.6,N,EGLM*21",
     "$GPBWC,220516,5130.020,N,46.340,W,213.800,T,218.000,M,4.600,N,EGLM*21",
     "Waypoint EGLM is 4.6 nautical miles away at 213.8 degrees true"},
    {"$GPBWR,220516,5130.02,N,00046.34,W,213.8,T,218.0,M,0004.6,N,EGLM*30",
     "$GPBWR,220516,5130.020,N,46.340,W,213.800,T,218.000,M,4.600,N,EGLM*30",
     "Waypoint EGLM is 4.6 nautical miles away at 213.8 degrees true"},
    {"$GPBEC,220516,5130.02,N,00046.34,W,213.8,T,218.0,M,0004.6,N,EGLM",
     "$GPBEC,220516,5130.020,N,46.340,W,213.800,T,218.000,M,4.600,N,EGLM*33",
     "Waypoint EGLM is 4.6 nautical miles away"},
    {"$GPBEC,081837,,,,,,T,,M,,N,*01", "$GPBEC,081837,,,,,,T,,M,,N,*01",
     "Waypoint  is unknown nautical miles away"},
    {"$GPBWC,125106,,,,,,T,,M,,N,,S*68", "$GPBWC,125106,,,,,,T,,M,,N,*17",
     "Waypoint  is unknown nautical miles away at unknown degrees true"},
    {"$GPBOD,097.0,T,103.2,M,POINTB,POINTA*4A", "$GPBOD,97.000,T,103.200,M,POINTB,POINTA*7A",
     "Bearing from POINTA to POINTB is 97.0 degrees true"},
    {"$GPBWW,097.0,T,103.2,M,POINTB,POINTA*41", "$GPBWW,97.000,T,103.200,M,POINTB,POINTA*71", ""},
    {"$GPBOD,,T,,M,,*47", "$GPBOD,,T,,M,,*47", "Bearing from  to  is unknown degrees true"},
    {"$GPWDC,12.5,N,WPT01*6F", "$GPWDC,12.500,N,WPT01*6F",
     "Waypoint WPT01 is 12.5 nautical miles away"},
    {"$GPWDR,12.5,N,WPT01*7E", "$GPWDR,12.500,N,WPT01*7E",
     "Waypoint WPT01 is 12.5 nautical miles away"},
    {"$GPWDR,,,", "$GPWDR,,N,*34", "Waypoint  is unknown nautical miles away"},
    {"$GPGXA,161229.15,4124.8963,N,08151.6838,W,WPT01,12*37",
     "$GPGXA,161229.15,4124.896,N,8151.684,W,WPT01,12*0B", ""},
    {"$GPGXF,161229.15,4124.8963,N,08151.6838,W,WPT01,12*30",
     "$GPGXF,161229.15,4124.896,N,8151.684,W,WPT01,12*0C", ""},
    {"$GPGXP,161229.15,4124.8963,N,08151.6838,W,WPT01*09",
     "$GPGXP,161229.15,4124.896,N,8151.684,W,WPT01*35", ""},
    // GXP has no satellite field, so a trailing one is not carried over.
    {"$GPGXP,161229.15,4124.8963,N,08151.6838,W,WPT01,12",
     "$GPGXP,161229.15,4124.896,N,8151.684,W,WPT01*35", ""},
    {"$GPGXA,1612", "$GPGXA,1612,,,,,,0*51", ""},
    {"$GPZFI,172814,041200,WPT01*32", "$GPZFI,172814,041200,WPT01*32", ""},
    {"$GPZFO,172814,041200,WPT01*34", "$GPZFO,172814,041200,WPT01*34",
     "Elapsed time from WPT01 is 041200"},
    {"$GPZLZ,172814,122814,05*77", "$GPZLZ,172814,122814,5*47", "Local time 122814"},
    {"$GPZLZ,1,2", "$GPZLZ,1,2,0*44", "Local time 2"},
    {"$GPZPI,172814,193000,WPT01*28", "$GPZPI,172814,193000,WPT01*28", ""},
    {"$GPZTA,172814,193000,WPT01*24", "$GPZTA,172814,193000,WPT01*24",
     "Arrival at WPT01 at 193000"},
    {"$GPZTE,172814,002000,WPT01*29", "$GPZTE,172814,002000,WPT01*29", ""},
    {"$GPZTG,145832.12,042359.17,WPT01*25", "$GPZTG,145832.12,042359.17,WPT01*25",
     "Time to go to WPT01 is 042359.17"},
    {"$GPZTG", "$GPZTG,,,*72", "Time to go to  is "},
    {"$GPZTI,172814,002000,WPT01*25", "$GPZTI,172814,002000,WPT01*25", ""},
    {"$GPZWP,172814,193000,WPT01*36", "$GPZWP,172814,193000,WPT01*36",
     "Arrival at WPT01 at 193000"},
    {"$GPZZU,172814*67", "$GPZZU,172814*67", "UTC time 172814"},
    {"$GPZZU,172814,extra", "$GPZZU,172814*67", "UTC time 172814"},
};

std::u16string WithoutLineEnd(std::u16string text) {
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n')) text.pop_back();
    return text;
}

}  // namespace

TEST(DecoderFamilies, EachMemberWritesAndRendersItsOwnSentence) {
    NMEA0183 nmea;
    for (const FamilyLine& f : kFamilyLines) {
        nmea.SetSentence(test::Crlf(f.line));
        RESPONSE* r = nmea.Parse();
        ASSERT_NE(r, nullptr) << f.line << ": " << platform::ToUtf8(nmea.errorMessage);
        EXPECT_EQ(r->mnemonic, platform::Widen(std::string_view(f.line + 3, 3))) << f.line;
        SENTENCE written;
        ASSERT_TRUE(r->Write(written)) << f.line;
        EXPECT_EQ(platform::ToUtf8(WithoutLineEnd(written.Text())), f.written) << f.line;
        EXPECT_EQ(platform::ToUtf8(r->PlainEnglish()), f.plain) << f.line;
    }
}

// Empty clears the members a family's middle layer adds (the satellite, the second time)
// as well as the shared ones, so an emptied decoder writes what a new one does.
TEST(DecoderFamilies, EmptyReturnsEveryMemberToItsFreshState) {
    struct Pair {
        std::unique_ptr<RESPONSE> used;
        std::unique_ptr<RESPONSE> fresh;
        const char* line;
    };
    Pair pairs[] = {
        {std::make_unique<BWC>(), std::make_unique<BWC>(),
         "$GPBWC,220516,5130.02,N,00046.34,W,213.8,T,218.0,M,0004.6,N,EGLM*21"},
        {std::make_unique<BEC>(), std::make_unique<BEC>(),
         "$GPBEC,220516,5130.02,N,00046.34,W,213.8,T,218.0,M,0004.6,N,EGLM"},
        {std::make_unique<BWW>(), std::make_unique<BWW>(),
         "$GPBWW,097.0,T,103.2,M,POINTB,POINTA*41"},
        {std::make_unique<WDR>(), std::make_unique<WDR>(), "$GPWDR,12.5,N,WPT01*7E"},
        {std::make_unique<GXF>(), std::make_unique<GXF>(),
         "$GPGXF,161229.15,4124.8963,N,08151.6838,W,WPT01,12*30"},
        {std::make_unique<GXP>(), std::make_unique<GXP>(),
         "$GPGXP,161229.15,4124.8963,N,08151.6838,W,WPT01*09"},
        {std::make_unique<ZFO>(), std::make_unique<ZFO>(), "$GPZFO,172814,041200,WPT01*34"},
        {std::make_unique<ZLZ>(), std::make_unique<ZLZ>(), "$GPZLZ,172814,122814,05*77"},
        {std::make_unique<ZWP>(), std::make_unique<ZWP>(), "$GPZWP,172814,193000,WPT01*36"},
        {std::make_unique<ZTG>(), std::make_unique<ZTG>(), "$GPZTG,145832.12,042359.17,WPT01*25"},
        {std::make_unique<ZZU>(), std::make_unique<ZZU>(), "$GPZZU,172814*67"},
    };
    for (Pair& p : pairs) {
        const SENTENCE line(test::Crlf(p.line));
        ASSERT_TRUE(p.used->Parse(line)) << p.line;
        p.used->Empty();
        p.used->talker = p.fresh->talker;
        SENTENCE emptied;
        SENTENCE fresh;
        p.used->Write(emptied);
        p.fresh->Write(fresh);
        EXPECT_EQ(emptied.Text(), fresh.Text()) << p.line;
        EXPECT_EQ(p.used->PlainEnglish(), p.fresh->PlainEnglish()) << p.line;
        EXPECT_EQ(p.used->time, 0) << p.line;
    }
}

}  // namespace rq
