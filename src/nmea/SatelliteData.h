// One satellite of a satellites-in-view message.
#pragma once

namespace rq {

class SENTENCE;

struct SATELLITE_DATA {
    int satelliteNumber = 0;
    int elevationDegrees = 0;
    int azimuthDegreesTrue = 0;
    int signalToNoiseRatio = -1;  // dB; -1 when not tracked

    void Empty() { *this = SATELLITE_DATA(); }
    // PRN at field `first`, then elevation, azimuth and SNR (-1 when its field is empty).
    void Parse(int first, const SENTENCE& sentence);
    void Write(SENTENCE& sentence) const;
};

}  // namespace rq
