// $GPRTE,2,1,c,0,PBRCPK,PBRTO,PTELGR,PPLAND,PYAMBU,PPFAIR,PWARRN,PMORTL,PLISMR*73
#pragma once

#include <string>
#include <vector>

#include "nmea/Response.h"

namespace rq {

// Route: one message of the list of waypoints of a route.
class RTE : public RESPONSE {
public:
    int totalNumberOfMessages;
    int messageNumber;
    std::u16string typeOfRoute;  // "c" complete, "w" working
    std::u16string routeName;
    std::vector<std::u16string> waypoints;

    RTE();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
