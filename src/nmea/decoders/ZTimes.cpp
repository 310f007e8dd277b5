#include "nmea/decoders/ZTimes.h"

namespace rq {

void UTC_TIME_SENTENCE::EmptyTime() {
    utcTime.clear();
    time = 0;
}

bool UTC_TIME_SENTENCE::ParseTime(const SENTENCE& sentence, int checksumField) {
    if (!BeginParse(sentence, checksumField)) return false;
    ReadTime(sentence, 1);
    return true;
}

void UTC_TIME_SENTENCE::WriteTime(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
}

void TIME_AND_WAYPOINT::EmptyFields(std::u16string& secondTime, std::u16string& waypoint) {
    EmptyTime();
    secondTime.clear();
    waypoint.clear();
}

bool TIME_AND_WAYPOINT::ParseFields(const SENTENCE& sentence, std::u16string& secondTime,
                                    std::u16string& waypoint) {
    if (!ParseTime(sentence, 4)) return false;
    secondTime.assign(sentence.Field(2));
    waypoint.assign(sentence.Field(3));
    return true;
}

bool TIME_AND_WAYPOINT::WriteFields(SENTENCE& sentence, std::u16string_view secondTime,
                                    std::u16string_view waypoint) const {
    WriteTime(sentence);
    sentence.AddText(secondTime);
    sentence.AddText(waypoint);
    sentence.Finish();
    return true;
}

void TIME_AND_WAYPOINT::AppendPhrase(std::u16string& out, std::u16string_view lead,
                                     std::u16string_view waypoint, std::u16string_view middle,
                                     std::u16string_view secondTime) {
    out += lead;
    out += waypoint;
    out += middle;
    out += secondTime;
}

void ARRIVAL_TIME_AT::AppendArrival(std::u16string& out) const {
    AppendPhrase(out, u"Arrival at ", to, u" at ", arrivalTime);
}

void ZFO::AppendPlainEnglish(std::u16string& out) const {
    AppendPhrase(out, u"Elapsed time from ", from, u" is ", elapsedTime);
}

void ZTG::AppendPlainEnglish(std::u16string& out) const {
    AppendPhrase(out, u"Time to go to ", to, u" is ", timeRemaining);
}

void ZLZ::Empty() {
    EmptyTime();
    localTime.clear();
    localHourDeviation = 0;
}

bool ZLZ::Parse(const SENTENCE& sentence) {
    if (!ParseTime(sentence, 4)) return false;
    localTime.assign(sentence.Field(2));
    localHourDeviation = sentence.Integer(3);
    return true;
}

bool ZLZ::Write(SENTENCE& sentence) const {
    WriteTime(sentence);
    sentence.AddText(localTime);
    sentence.AddInteger(localHourDeviation);
    sentence.Finish();
    return true;
}

void ZLZ::AppendPlainEnglish(std::u16string& out) const {
    out += u"Local time ";
    out += localTime;
}

bool ZZU::Write(SENTENCE& sentence) const {
    WriteTime(sentence);
    sentence.Finish();
    return true;
}

void ZZU::AppendPlainEnglish(std::u16string& out) const {
    out += u"UTC time ";
    out += utcTime;
}

}  // namespace rq
