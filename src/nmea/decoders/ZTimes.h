// $GPZFI,172814,041200,WPT01*32
//
// The time sentences ZFI, ZFO, ZLZ, ZPI, ZTA, ZTE, ZTG, ZTI, ZWP and ZZU: a UTC
// time followed by a second time and a waypoint.
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// UTC and elapsed time from the point of interest.
class ZFI : public RESPONSE {
public:
    std::u16string elapsedTime;
    std::u16string from;

    ZFI();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

// UTC and elapsed time from the origin waypoint.
class ZFO : public RESPONSE {
public:
    std::u16string elapsedTime;
    std::u16string from;

    ZFO();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

// Time of day: UTC, local time and the zone.
class ZLZ : public RESPONSE {
public:
    std::u16string localTime;
    int localHourDeviation;

    ZLZ();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

// UTC and arrival time at the point of interest.
class ZPI : public RESPONSE {
public:
    std::u16string arrivalTime;
    std::u16string to;

    ZPI();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

// UTC and arrival time at the waypoint.
class ZTA : public RESPONSE {
public:
    std::u16string arrivalTime;
    std::u16string to;

    ZTA();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

// UTC and time remaining to the event.
class ZTE : public RESPONSE {
public:
    std::u16string timeRemaining;
    std::u16string to;

    ZTE();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

// UTC and time to the destination waypoint.
class ZTG : public RESPONSE {
public:
    std::u16string timeRemaining;
    std::u16string to;

    ZTG();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

// UTC and time to the point of interest.
class ZTI : public RESPONSE {
public:
    std::u16string timeRemaining;
    std::u16string to;

    ZTI();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

// UTC and waypoint arrival time.
class ZWP : public RESPONSE {
public:
    std::u16string arrivalTime;
    std::u16string to;

    ZWP();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

// Time, UTC.
class ZZU : public RESPONSE {
public:
    ZZU();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
