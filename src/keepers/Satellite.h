// One entry of the fix record's satellite table.
#pragma once

namespace rq {

struct SATELLITE_DATA;

class CSatellite {
public:
    int used = 0;  // 1 when the last GSA listed this PRN
    int prn = -1;
    int elevation = 0;  // degrees
    int azimuth = 0;    // degrees true
    int snr = 0;        // dB

    // PRN, elevation, azimuth and SNR from a GSV group; the used flag stays.
    void Take(const SATELLITE_DATA& data);
    // Equal only when those four are all equal.
    bool SameAs(const SATELLITE_DATA& data) const;
    void CopyFrom(const CSatellite& other) { *this = other; }
};

}  // namespace rq
