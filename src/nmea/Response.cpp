#include "nmea/Response.h"

#include "platform/Text.h"

namespace rq {

RESPONSE::~RESPONSE() = default;

std::u16string RESPONSE::PlainEnglish() const {
    std::u16string out;
    AppendPlainEnglish(out);
    return out;
}

void RESPONSE::AppendPlainEnglish(std::u16string&) const {}

void RESPONSE::SetErrorMessage(std::u16string_view text) {
    errorMessage.assign(mnemonic);
    errorMessage.append(u", ");
    errorMessage.append(text);
}

void RESPONSE::SetContainer(NMEA0183* nmea) {
    container_ = nmea;
}

bool RESPONSE::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.Finish();
    return true;
}

bool RESPONSE::IsMnemonic(std::u16string_view text) const {
    return platform::EqualsNoCase(mnemonic, text);
}

bool RESPONSE::BeginParse(const SENTENCE& sentence, int checksumField, bool required) {
    const ChecksumResult check = sentence.IsChecksumBad(checksumField);
    if (check == ChecksumResult::Bad) {
        SetErrorMessage(u"Invalid Checksum");
        return false;
    }
    if (check == ChecksumResult::Unknown && required) {
        SetErrorMessage(u"Missing Checksum");
        return false;
    }
    const std::u16string_view address = sentence.Field(0);
    const std::u16string_view id = address.substr(0, address.size() >= 2 ? 2 : 0);
    const bool proprietary = mnemonic.size() == 1 && mnemonic[0] == u'P';
    if (!proprietary && talker != id) talker.assign(id);
    return true;
}

void RESPONSE::ReadTime(const SENTENCE& sentence, int field) {
    utcTime.assign(sentence.Field(field));
    time = sentence.Time(field);
}

void RESPONSE::BeginWrite(SENTENCE& sentence) const {
    std::u16string address = mnemonic == u"P" ? std::u16string() : talker;
    address += mnemonic;
    sentence.Begin(address);
}

}  // namespace rq
