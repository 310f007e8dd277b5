// One instance of every decoder, owned by the dispatcher.
#pragma once

#include "nmea/decoders/AAM.h"
#include "nmea/decoders/ALM.h"
#include "nmea/decoders/APB.h"
#include "nmea/decoders/ASD.h"
#include "nmea/decoders/BearingBetweenWaypoints.h"
#include "nmea/decoders/BearingToWaypoint.h"
#include "nmea/decoders/DBT.h"
#include "nmea/decoders/DCN.h"
#include "nmea/decoders/DPT.h"
#include "nmea/decoders/FSI.h"
#include "nmea/decoders/GGA.h"
#include "nmea/decoders/GLC.h"
#include "nmea/decoders/GLL.h"
#include "nmea/decoders/GSA.h"
#include "nmea/decoders/GSV.h"
#include "nmea/decoders/GTD.h"
#include "nmea/decoders/HCC.h"
#include "nmea/decoders/HDG.h"
#include "nmea/decoders/HDM.h"
#include "nmea/decoders/HDT.h"
#include "nmea/decoders/HSC.h"
#include "nmea/decoders/IMA.h"
#include "nmea/decoders/LCD.h"
#include "nmea/decoders/MHU.h"
#include "nmea/decoders/MTA.h"
#include "nmea/decoders/MTW.h"
#include "nmea/decoders/MWV.h"
#include "nmea/decoders/OLN.h"
#include "nmea/decoders/OSD.h"
#include "nmea/decoders/P.h"
#include "nmea/decoders/RMA.h"
#include "nmea/decoders/RMB.h"
#include "nmea/decoders/RMC.h"
#include "nmea/decoders/ROT.h"
#include "nmea/decoders/RPM.h"
#include "nmea/decoders/RSA.h"
#include "nmea/decoders/RSD.h"
#include "nmea/decoders/RTE.h"
#include "nmea/decoders/SFI.h"
#include "nmea/decoders/STN.h"
#include "nmea/decoders/TEP.h"
#include "nmea/decoders/TRF.h"
#include "nmea/decoders/TTM.h"
#include "nmea/decoders/TransitPosition.h"
#include "nmea/decoders/VBW.h"
#include "nmea/decoders/VDR.h"
#include "nmea/decoders/VHW.h"
#include "nmea/decoders/VLW.h"
#include "nmea/decoders/VPW.h"
#include "nmea/decoders/VTG.h"
#include "nmea/decoders/VWE.h"
#include "nmea/decoders/WCV.h"
#include "nmea/decoders/WNC.h"
#include "nmea/decoders/WPL.h"
#include "nmea/decoders/WaypointDistance.h"
#include "nmea/decoders/WaypointLocation.h"
#include "nmea/decoders/XDR.h"
#include "nmea/decoders/XTE.h"
#include "nmea/decoders/XTR.h"
#include "nmea/decoders/ZDA.h"
#include "nmea/decoders/ZTimes.h"

namespace rq {

struct DecoderSet {
    AAM aam;
    ALM alm;
    APB apb;
    ASD asd;
    BEC bec;
    BOD bod;
    BWC bwc;
    BWR bwr;
    BWW bww;
    DBT dbt;
    DCN dcn;
    DPT dpt;
    FSI fsi;
    GDA gda;
    GDF gdf;
    GDP gdp;
    GGA gga;
    GLA gla;
    GLC glc;
    GLF glf;
    GLL gll;
    GLP glp;
    GOA goa;
    GOF gof;
    GOP gop;
    GSA gsa;
    GSV gsv;
    GTD gtd;
    GXA gxa;
    GXF gxf;
    GXP gxp;
    HCC hcc;
    HDG hdg;
    HDM hdm;
    HDT hdt;
    HSC hsc;
    IMA ima;
    LCD lcd;
    MHU mhu;
    MTA mta;
    MTW mtw;
    MWV mwv;
    OLN oln;
    OSD osd;
    P proprietary;
    RMA rma;
    RMB rmb;
    RMC rmc;
    ROT rot;
    RPM rpm;
    RSA rsa;
    RSD rsd;
    RTE rte;
    SFI sfi;
    STN stn;
    TEP tep;
    TRF trf;
    TTM ttm;
    VBW vbw;
    VDR vdr;
    VHW vhw;
    VLW vlw;
    VPW vpw;
    VTG vtg;
    VWE vwe;
    WCV wcv;
    WDC wdc;
    WDR wdr;
    WNC wnc;
    WPL wpl;
    XDR xdr;
    XTE xte;
    XTR xtr;
    ZDA zda;
    ZFI zfi;
    ZFO zfo;
    ZLZ zlz;
    ZPI zpi;
    ZTA zta;
    ZTE zte;
    ZTG ztg;
    ZTI zti;
    ZWP zwp;
    ZZU zzu;

    // Every decoder that takes part in dispatch (GOA, GOF and GOP do not).
    template <typename Visit>
    void ForEachDispatched(Visit visit) {
        visit(aam);
        visit(alm);
        visit(apb);
        visit(asd);
        visit(bec);
        visit(bod);
        visit(bwc);
        visit(bwr);
        visit(bww);
        visit(dbt);
        visit(dcn);
        visit(dpt);
        visit(fsi);
        visit(gda);
        visit(gdf);
        visit(gdp);
        visit(gga);
        visit(gla);
        visit(glc);
        visit(glf);
        visit(gll);
        visit(glp);
        visit(gsa);
        visit(gsv);
        visit(gtd);
        visit(gxa);
        visit(gxf);
        visit(gxp);
        visit(hcc);
        visit(hdg);
        visit(hdm);
        visit(hdt);
        visit(hsc);
        visit(ima);
        visit(lcd);
        visit(mhu);
        visit(mta);
        visit(mtw);
        visit(mwv);
        visit(oln);
        visit(osd);
        visit(proprietary);
        visit(rma);
        visit(rmb);
        visit(rmc);
        visit(rot);
        visit(rpm);
        visit(rsa);
        visit(rsd);
        visit(rte);
        visit(sfi);
        visit(stn);
        visit(tep);
        visit(trf);
        visit(ttm);
        visit(vbw);
        visit(vdr);
        visit(vhw);
        visit(vlw);
        visit(vpw);
        visit(vtg);
        visit(vwe);
        visit(wcv);
        visit(wdc);
        visit(wdr);
        visit(wnc);
        visit(wpl);
        visit(xdr);
        visit(xte);
        visit(xtr);
        visit(zda);
        visit(zfi);
        visit(zfo);
        visit(zlz);
        visit(zpi);
        visit(zta);
        visit(zte);
        visit(ztg);
        visit(zti);
        visit(zwp);
        visit(zzu);
    }
};

}  // namespace rq
