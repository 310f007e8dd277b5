// Sentences of chart plotters and handhelds in the shared corpus (bundg_zeus_9,
// GPSmap-76S, magellan-ec10, garmin48) and what the non-fix decoders make of them.
#include <gtest/gtest.h>

#include "geo/Unset.h"
#include "nmea/Nmea0183.h"
#include "nmea/TestLines.h"
#include "nmea/decoders/AAM.h"
#include "nmea/decoders/APB.h"
#include "nmea/decoders/BOD.h"
#include "nmea/decoders/BWC.h"
#include "nmea/decoders/DBT.h"
#include "nmea/decoders/DPT.h"
#include "nmea/decoders/GLC.h"
#include "nmea/decoders/HDG.h"
#include "nmea/decoders/MTW.h"
#include "nmea/decoders/MWV.h"
#include "nmea/decoders/P.h"
#include "nmea/decoders/RMB.h"
#include "nmea/decoders/RTE.h"
#include "nmea/decoders/VHW.h"
#include "nmea/decoders/VLW.h"
#include "nmea/decoders/XDR.h"
#include "nmea/decoders/XTE.h"
#include "nmea/decoders/ZDA.h"

using namespace rq;

namespace {
template <typename T>
const T* Parsed(NMEA0183& nmea, const char* line) {
    nmea.SetSentence(test::Crlf(line));
    RESPONSE* r = nmea.Parse();
    EXPECT_NE(r, nullptr) << line << ": " << platform::ToUtf8(nmea.errorMessage);
    return static_cast<const T*>(r);
}
}  // namespace

TEST(OtherDecoders, InstrumentSentencesOfAChartPlotter) {
    NMEA0183 nmea;
    const DBT* dbt = Parsed<DBT>(nmea, "$SDDBT,18.0,f,5.4,M,3.0,F*3D");
    ASSERT_NE(dbt, nullptr);
    EXPECT_DOUBLE_EQ(dbt->depthFeet, 18.0);
    EXPECT_DOUBLE_EQ(dbt->depthMeters, 5.4);
    EXPECT_DOUBLE_EQ(dbt->depthFathoms, 3.0);
    EXPECT_EQ(dbt->talker, u"SD");
    EXPECT_EQ(nmea.expandedTalkerId, u"Sounder, Depth");
    EXPECT_EQ(nmea.PlainEnglish(), u"Depth below the transducer is 5.4 metres");

    const DPT* dpt = Parsed<DPT>(nmea, "$SDDPT,5.3,0.4,*79");
    ASSERT_NE(dpt, nullptr);
    EXPECT_DOUBLE_EQ(dpt->depthMeters, 5.3);
    EXPECT_DOUBLE_EQ(dpt->offsetFromTransducerMeters, 0.4);

    const HDG* hdg = Parsed<HDG>(nmea, "$SDHDG,229.8,,,1.3,E*36");
    ASSERT_NE(hdg, nullptr);
    EXPECT_DOUBLE_EQ(hdg->magneticSensorHeadingDegrees, 229.8);
    EXPECT_TRUE(IsUnset(hdg->magneticDeviationDegrees));
    EXPECT_EQ(hdg->magneticDeviationDirection, EastWest::Unknown);
    EXPECT_DOUBLE_EQ(hdg->magneticVariationDegrees, 1.3);
    EXPECT_EQ(hdg->magneticVariationDirection, EastWest::East);

    const MTW* mtw = Parsed<MTW>(nmea, "$SDMTW,,C*1A");
    ASSERT_NE(mtw, nullptr);
    EXPECT_TRUE(IsUnset(mtw->temperature));
    EXPECT_EQ(nmea.PlainEnglish(), u"Water temperature unknown degrees Celsius");

    const MWV* mwv = Parsed<MWV>(nmea, "$WIMWV,57.5,R,13.0,N,A*26");
    ASSERT_NE(mwv, nullptr);
    EXPECT_DOUBLE_EQ(mwv->windAngle, 57.5);
    EXPECT_EQ(mwv->reference, u"R");
    EXPECT_DOUBLE_EQ(mwv->windSpeed, 13.0);
    EXPECT_EQ(mwv->windSpeedUnits, u"N");
    EXPECT_EQ(mwv->isDataValid, NmeaBoolean::True);
    EXPECT_EQ(nmea.expandedTalkerId, u"Weather Instruments");

    const VHW* vhw = Parsed<VHW>(nmea, "$SDVHW,231.3,T,229.9,M,6.6,N,12.3,K*71");
    ASSERT_NE(vhw, nullptr);
    EXPECT_DOUBLE_EQ(vhw->degreesTrue, 231.3);
    EXPECT_DOUBLE_EQ(vhw->degreesMagnetic, 229.9);
    EXPECT_DOUBLE_EQ(vhw->knots, 6.6);
    EXPECT_DOUBLE_EQ(vhw->kilometersPerHour, 12.3);

    // NMEA 3 adds ground distances after the two water distances; they are not read.
    const VLW* vlw = Parsed<VLW>(nmea, "$SDVLW,,N,545.6,N,1109.4,N,393.6,N*44");
    ASSERT_NE(vlw, nullptr);
    EXPECT_TRUE(IsUnset(vlw->totalDistanceNauticalMiles));
    EXPECT_DOUBLE_EQ(vlw->distanceSinceResetNauticalMiles, 545.6);

    const XDR* xdr = Parsed<XDR>(
        nmea, "$IIXDR,C,,C,AIRTEMP,A,-1.0,D,HEEL,A,2.9,D,TRIM,P,,B,BARO,A,-3.9,D,RUDDER*29");
    ASSERT_NE(xdr, nullptr);
    ASSERT_EQ(xdr->transducers.size(), 5u);
    EXPECT_EQ(xdr->transducers[0].transducerType, TransducerType::Temperature);
    EXPECT_TRUE(IsUnset(xdr->transducers[0].measurementData));
    EXPECT_EQ(xdr->transducers[0].transducerName, u"AIRTEMP");
    EXPECT_EQ(xdr->transducers[1].transducerType, TransducerType::Angular);
    EXPECT_DOUBLE_EQ(xdr->transducers[1].measurementData, -1.0);
    EXPECT_EQ(xdr->transducers[1].measurementUnits, u"D");
    EXPECT_EQ(xdr->transducers[3].transducerType, TransducerType::Pressure);
    EXPECT_EQ(xdr->transducers[4].transducerName, u"RUDDER");

    const GLC* glc = Parsed<GLC>(nmea, "$GPGLC,9960,,,,,,,,,,,,*75");
    ASSERT_NE(glc, nullptr);
    EXPECT_EQ(glc->groupRepetitionInterval, 9960);
    EXPECT_TRUE(IsUnset(glc->master.microseconds));
    EXPECT_EQ(glc->timeDifference5.signalStatus, u"");

    const ZDA* zda = Parsed<ZDA>(nmea, "$GPZDA,094737,20,08,2018,-01,00*6B");
    ASSERT_NE(zda, nullptr);
    EXPECT_EQ(zda->localHourDeviation, -1);
    EXPECT_EQ(zda->year, 2018);
}

TEST(OtherDecoders, RouteSentencesWithEmptyFields) {
    NMEA0183 nmea;
    const AAM* aam = Parsed<AAM>(nmea, "$GPAAM,,,,N,*38");
    ASSERT_NE(aam, nullptr);
    EXPECT_EQ(aam->arrivalCircleEntered, NmeaBoolean::Unknown);
    EXPECT_EQ(aam->waypointId, u"");

    const APB* apb = Parsed<APB>(nmea, "$GPAPB,,,,,,,,,,,,,,,N*26");
    ASSERT_NE(apb, nullptr);
    EXPECT_EQ(apb->directionToSteer, LeftRight::Unknown);
    EXPECT_TRUE(IsUnset(apb->headingToSteer));

    const BOD* bod = Parsed<BOD>(nmea, "$GPBOD,,T,,M,,*47");
    ASSERT_NE(bod, nullptr);
    EXPECT_TRUE(IsUnset(bod->bearingTrue));
    EXPECT_EQ(bod->to, u"");

    const BWC* bwc = Parsed<BWC>(nmea, "$GPBWC,125106,,,,,,T,,M,,N,,S*68");
    ASSERT_NE(bwc, nullptr);
    EXPECT_EQ(bwc->utcTime, u"125106");
    EXPECT_EQ(bwc->time, *platform::MakeLocalTime({1980, 1, 1, 12, 51, 6}));
    EXPECT_EQ(bwc->position.latitude.hemisphere, NorthSouth::Unknown);

    const XTE* xte = Parsed<XTE>(nmea, "$GPXTE,V,V,,,N,S*43");
    ASSERT_NE(xte, nullptr);
    EXPECT_EQ(xte->isLoranBlinkOk, NmeaBoolean::False);
    EXPECT_EQ(xte->crossTrackUnits, u"N");

    const RMB* rmb = Parsed<RMB>(nmea, "$GPRMB,V,,,,,,,,,,,,V*66");  // magellan-ec10
    ASSERT_NE(rmb, nullptr);
    EXPECT_EQ(rmb->isDataValid, NmeaBoolean::False);
    EXPECT_EQ(rmb->isArrivalCircleEntered, NmeaBoolean::False);
    rmb = Parsed<RMB>(nmea, "$GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V*20");
    ASSERT_NE(rmb, nullptr);
    EXPECT_DOUBLE_EQ(rmb->crossTrackError, 0.66);
    EXPECT_EQ(rmb->directionToSteer, LeftRight::Left);
    EXPECT_EQ(rmb->from, u"003");
    EXPECT_EQ(rmb->to, u"004");
    EXPECT_DOUBLE_EQ(rmb->destinationPosition.longitude.value, 12309.57);
    EXPECT_DOUBLE_EQ(rmb->bearingToDestinationDegreesTrue, 52.5);

    const RTE* rte = Parsed<RTE>(nmea, "$GPRTE,1,1,c,*37");  // GPSmap-76S
    ASSERT_NE(rte, nullptr);
    EXPECT_EQ(rte->typeOfRoute, u"c");
    EXPECT_EQ(rte->routeName, u"");
    EXPECT_TRUE(rte->waypoints.empty());
    rte = Parsed<RTE>(
        nmea, "$GPRTE,2,1,c,0,PBRCPK,PBRTO,PTELGR,PPLAND,PYAMBU,PPFAIR,PWARRN,PMORTL,PLISMR*73");
    ASSERT_NE(rte, nullptr);
    ASSERT_EQ(rte->waypoints.size(), 9u);
    EXPECT_EQ(rte->waypoints.front(), u"PBRCPK");
    EXPECT_EQ(rte->waypoints.back(), u"PLISMR");

    const P* p = Parsed<P>(nmea, "$PGRMZ,48,f,3*27");  // garmin48 altitude
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->manufacturer.mnemonic, u"GRM");
    EXPECT_EQ(p->sentence, u"Z,48,f,3");
    EXPECT_EQ(nmea.PlainEnglish(), u"Proprietary sentence of Garmin Corporation");
}
