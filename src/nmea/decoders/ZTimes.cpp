#include "nmea/decoders/ZTimes.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

ZFI::ZFI() : RESPONSE(u"ZFI") {
    Empty();
}

void ZFI::Empty() {
    utcTime.clear();
    time = 0;
    elapsedTime.clear();
    from.clear();
}

bool ZFI::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 4)) return false;
    ReadTime(sentence, 1);
    elapsedTime.assign(sentence.Field(2));
    from.assign(sentence.Field(3));
    return true;
}

bool ZFI::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    sentence.AddText(elapsedTime);
    sentence.AddText(from);
    sentence.Finish();
    return true;
}

ZFO::ZFO() : RESPONSE(u"ZFO") {
    Empty();
}

void ZFO::Empty() {
    utcTime.clear();
    time = 0;
    elapsedTime.clear();
    from.clear();
}

bool ZFO::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 4)) return false;
    ReadTime(sentence, 1);
    elapsedTime.assign(sentence.Field(2));
    from.assign(sentence.Field(3));
    return true;
}

bool ZFO::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    sentence.AddText(elapsedTime);
    sentence.AddText(from);
    sentence.Finish();
    return true;
}

void ZFO::AppendPlainEnglish(std::u16string& out) const {
    out += u"Elapsed time from ";
    out += from;
    out += u" is ";
    out += elapsedTime;
}

ZLZ::ZLZ() : RESPONSE(u"ZLZ") {
    Empty();
}

void ZLZ::Empty() {
    utcTime.clear();
    time = 0;
    localTime.clear();
    localHourDeviation = 0;
}

bool ZLZ::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 4)) return false;
    ReadTime(sentence, 1);
    localTime.assign(sentence.Field(2));
    localHourDeviation = sentence.Integer(3);
    return true;
}

bool ZLZ::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    sentence.AddText(localTime);
    sentence.AddInteger(localHourDeviation);
    sentence.Finish();
    return true;
}

void ZLZ::AppendPlainEnglish(std::u16string& out) const {
    out += u"Local time ";
    out += localTime;
}

ZPI::ZPI() : RESPONSE(u"ZPI") {
    Empty();
}

void ZPI::Empty() {
    utcTime.clear();
    time = 0;
    arrivalTime.clear();
    to.clear();
}

bool ZPI::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 4)) return false;
    ReadTime(sentence, 1);
    arrivalTime.assign(sentence.Field(2));
    to.assign(sentence.Field(3));
    return true;
}

bool ZPI::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    sentence.AddText(arrivalTime);
    sentence.AddText(to);
    sentence.Finish();
    return true;
}

ZTA::ZTA() : RESPONSE(u"ZTA") {
    Empty();
}

void ZTA::Empty() {
    utcTime.clear();
    time = 0;
    arrivalTime.clear();
    to.clear();
}

bool ZTA::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 4)) return false;
    ReadTime(sentence, 1);
    arrivalTime.assign(sentence.Field(2));
    to.assign(sentence.Field(3));
    return true;
}

bool ZTA::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    sentence.AddText(arrivalTime);
    sentence.AddText(to);
    sentence.Finish();
    return true;
}

void ZTA::AppendPlainEnglish(std::u16string& out) const {
    out += u"Arrival at ";
    out += to;
    out += u" at ";
    out += arrivalTime;
}

ZTE::ZTE() : RESPONSE(u"ZTE") {
    Empty();
}

void ZTE::Empty() {
    utcTime.clear();
    time = 0;
    timeRemaining.clear();
    to.clear();
}

bool ZTE::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 4)) return false;
    ReadTime(sentence, 1);
    timeRemaining.assign(sentence.Field(2));
    to.assign(sentence.Field(3));
    return true;
}

bool ZTE::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    sentence.AddText(timeRemaining);
    sentence.AddText(to);
    sentence.Finish();
    return true;
}

ZTG::ZTG() : RESPONSE(u"ZTG") {
    Empty();
}

void ZTG::Empty() {
    utcTime.clear();
    time = 0;
    timeRemaining.clear();
    to.clear();
}

bool ZTG::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 4)) return false;
    ReadTime(sentence, 1);
    timeRemaining.assign(sentence.Field(2));
    to.assign(sentence.Field(3));
    return true;
}

bool ZTG::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    sentence.AddText(timeRemaining);
    sentence.AddText(to);
    sentence.Finish();
    return true;
}

void ZTG::AppendPlainEnglish(std::u16string& out) const {
    out += u"Time to go to ";
    out += to;
    out += u" is ";
    out += timeRemaining;
}

ZTI::ZTI() : RESPONSE(u"ZTI") {
    Empty();
}

void ZTI::Empty() {
    utcTime.clear();
    time = 0;
    timeRemaining.clear();
    to.clear();
}

bool ZTI::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 4)) return false;
    ReadTime(sentence, 1);
    timeRemaining.assign(sentence.Field(2));
    to.assign(sentence.Field(3));
    return true;
}

bool ZTI::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    sentence.AddText(timeRemaining);
    sentence.AddText(to);
    sentence.Finish();
    return true;
}

ZWP::ZWP() : RESPONSE(u"ZWP") {
    Empty();
}

void ZWP::Empty() {
    utcTime.clear();
    time = 0;
    arrivalTime.clear();
    to.clear();
}

bool ZWP::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 4)) return false;
    ReadTime(sentence, 1);
    arrivalTime.assign(sentence.Field(2));
    to.assign(sentence.Field(3));
    return true;
}

bool ZWP::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    sentence.AddText(arrivalTime);
    sentence.AddText(to);
    sentence.Finish();
    return true;
}

void ZWP::AppendPlainEnglish(std::u16string& out) const {
    out += u"Arrival at ";
    out += to;
    out += u" at ";
    out += arrivalTime;
}

ZZU::ZZU() : RESPONSE(u"ZZU") {
    Empty();
}

void ZZU::Empty() {
    utcTime.clear();
    time = 0;
}

bool ZZU::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 2)) return false;
    ReadTime(sentence, 1);
    return true;
}

bool ZZU::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    sentence.Finish();
    return true;
}

void ZZU::AppendPlainEnglish(std::u16string& out) const {
    out += u"UTC time ";
    out += utcTime;
}

}  // namespace rq
