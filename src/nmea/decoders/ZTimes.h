// $GPZFI,172814,041200,WPT01*32
// $GPZFO,172814,041200,WPT01*34
// $GPZLZ,172814,122814,05*77
// $GPZPI,172814,193000,WPT01*28
// $GPZTA,172814,193000,WPT01*24
// $GPZTE,172814,002000,WPT01*29
// $GPZTG,145832.12,042359.17,WPT01*25
// $GPZTI,172814,002000,WPT01*25
// $GPZWP,172814,193000,WPT01*36
// $GPZZU,172814*67
//
// The time sentences begin with the UTC time. ZZU stops there, ZLZ goes on with the
// local time and zone, and the others with a second time and a waypoint.
#pragma once

#include <string>
#include <string_view>

#include "nmea/Response.h"

namespace rq {

// The UTC time in field 1, shared by every time sentence.
class UTC_TIME_SENTENCE : public RESPONSE {
protected:
    explicit UTC_TIME_SENTENCE(std::u16string_view mnemonicText) : RESPONSE(mnemonicText) {}
    void EmptyTime();
    bool ParseTime(const SENTENCE& sentence, int checksumField);
    // The address and the UTC time, not yet finished.
    void WriteTime(SENTENCE& sentence) const;
};

// UTC time, a second time and a waypoint. The members name the second time by its
// meaning, so each kind hands its own two fields to the shared helpers.
class TIME_AND_WAYPOINT : public UTC_TIME_SENTENCE {
protected:
    using UTC_TIME_SENTENCE::UTC_TIME_SENTENCE;
    void EmptyFields(std::u16string& secondTime, std::u16string& waypoint);
    bool ParseFields(const SENTENCE& sentence, std::u16string& secondTime,
                     std::u16string& waypoint);
    bool WriteFields(SENTENCE& sentence, std::u16string_view secondTime,
                     std::u16string_view waypoint) const;
    // "<lead><waypoint><middle><second time>"
    static void AppendPhrase(std::u16string& out, std::u16string_view lead,
                             std::u16string_view waypoint, std::u16string_view middle,
                             std::u16string_view secondTime);
};

// UTC and the time elapsed since a waypoint.
class ELAPSED_TIME_FROM : public TIME_AND_WAYPOINT {
public:
    std::u16string elapsedTime;
    std::u16string from;

    void Empty() override { EmptyFields(elapsedTime, from); }
    bool Parse(const SENTENCE& sentence) override {
        return ParseFields(sentence, elapsedTime, from);
    }
    bool Write(SENTENCE& sentence) const override {
        return WriteFields(sentence, elapsedTime, from);
    }

protected:
    using TIME_AND_WAYPOINT::TIME_AND_WAYPOINT;
};

// UTC and the arrival time at a waypoint.
class ARRIVAL_TIME_AT : public TIME_AND_WAYPOINT {
public:
    std::u16string arrivalTime;
    std::u16string to;

    void Empty() override { EmptyFields(arrivalTime, to); }
    bool Parse(const SENTENCE& sentence) override { return ParseFields(sentence, arrivalTime, to); }
    bool Write(SENTENCE& sentence) const override { return WriteFields(sentence, arrivalTime, to); }

protected:
    using TIME_AND_WAYPOINT::TIME_AND_WAYPOINT;
    // "Arrival at <to> at <arrival time>"
    void AppendArrival(std::u16string& out) const;
};

// UTC and the time remaining to a waypoint.
class TIME_REMAINING_TO : public TIME_AND_WAYPOINT {
public:
    std::u16string timeRemaining;
    std::u16string to;

    void Empty() override { EmptyFields(timeRemaining, to); }
    bool Parse(const SENTENCE& sentence) override {
        return ParseFields(sentence, timeRemaining, to);
    }
    bool Write(SENTENCE& sentence) const override {
        return WriteFields(sentence, timeRemaining, to);
    }

protected:
    using TIME_AND_WAYPOINT::TIME_AND_WAYPOINT;
};

// UTC and elapsed time from the point of interest.
class ZFI : public ELAPSED_TIME_FROM {
public:
    ZFI() : ELAPSED_TIME_FROM(u"ZFI") { Empty(); }
};

// UTC and elapsed time from the origin waypoint.
class ZFO : public ELAPSED_TIME_FROM {
public:
    ZFO() : ELAPSED_TIME_FROM(u"ZFO") { Empty(); }
    void AppendPlainEnglish(std::u16string& out) const override;
};

// Time of day: UTC, local time and the zone.
class ZLZ : public UTC_TIME_SENTENCE {
public:
    std::u16string localTime;
    int localHourDeviation;

    ZLZ() : UTC_TIME_SENTENCE(u"ZLZ") { Empty(); }
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

// UTC and arrival time at the point of interest.
class ZPI : public ARRIVAL_TIME_AT {
public:
    ZPI() : ARRIVAL_TIME_AT(u"ZPI") { Empty(); }
};

// UTC and arrival time at the waypoint.
class ZTA : public ARRIVAL_TIME_AT {
public:
    ZTA() : ARRIVAL_TIME_AT(u"ZTA") { Empty(); }
    void AppendPlainEnglish(std::u16string& out) const override { AppendArrival(out); }
};

// UTC and time remaining to the event.
class ZTE : public TIME_REMAINING_TO {
public:
    ZTE() : TIME_REMAINING_TO(u"ZTE") { Empty(); }
};

// UTC and time to the destination waypoint.
class ZTG : public TIME_REMAINING_TO {
public:
    ZTG() : TIME_REMAINING_TO(u"ZTG") { Empty(); }
    void AppendPlainEnglish(std::u16string& out) const override;
};

// UTC and time to the point of interest.
class ZTI : public TIME_REMAINING_TO {
public:
    ZTI() : TIME_REMAINING_TO(u"ZTI") { Empty(); }
};

// UTC and waypoint arrival time.
class ZWP : public ARRIVAL_TIME_AT {
public:
    ZWP() : ARRIVAL_TIME_AT(u"ZWP") { Empty(); }
    void AppendPlainEnglish(std::u16string& out) const override { AppendArrival(out); }
};

// Time, UTC.
class ZZU : public UTC_TIME_SENTENCE {
public:
    ZZU() : UTC_TIME_SENTENCE(u"ZZU") { Empty(); }
    void Empty() override { EmptyTime(); }
    bool Parse(const SENTENCE& sentence) override { return ParseTime(sentence, 2); }
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
