// The base of every sentence decoder.
#pragma once

#include <string>
#include <string_view>

#include "nmea/Sentence.h"
#include "platform/Time.h"

namespace rq {

class NMEA0183;

class RESPONSE {
public:
    std::u16string talker = u"--";
    std::u16string errorMessage;
    std::u16string mnemonic;  // "GGA", ..., "P"; fixed per class
    std::u16string utcTime;   // raw time field of the last parsed sentence, for types with time
    platform::TimeValue time = 0;

    explicit RESPONSE(std::u16string_view mnemonicText) : mnemonic(mnemonicText) {}
    RESPONSE(const RESPONSE&) = default;
    RESPONSE& operator=(const RESPONSE&) = default;
    virtual ~RESPONSE();

    virtual void Empty() = 0;
    // Fails only where BeginParse fails; the fields are read unconditionally after it.
    virtual bool Parse(const SENTENCE& sentence) = 0;
    // What Parse checks and sets (the error message, the talker), without reading the
    // fields, which keep what they held.
    bool Check(const SENTENCE& sentence) { return BeginParse(sentence, 0); }
    // A readable rendering of the last parsed sentence; empty where nothing is meant.
    virtual std::u16string PlainEnglish() const;
    // errorMessage = mnemonic + ", " + text
    virtual void SetErrorMessage(std::u16string_view text);
    virtual void SetContainer(NMEA0183* nmea);
    // Composes the sentence: "$", talker, mnemonic, the fields and the checksum.
    virtual bool Write(SENTENCE& sentence) const;
    virtual bool IsMnemonic(std::u16string_view text) const;
    // PlainEnglish appended to `out`, so the dispatcher can reuse one buffer.
    virtual void AppendPlainEnglish(std::u16string& out) const;

    NMEA0183* Container() const { return container_; }
    // For a reader that only merges the fix: the decoder may then skip the fields and
    // texts the fix never reads (they keep what they held), and its plain-English text
    // is not made. Off by default; the dispatcher sets it (see NMEA0183::DecodeOnly).
    void SetFixFieldsOnly(bool on) { fixFieldsOnly_ = on; }
    bool FixFieldsOnly() const { return fixFieldsOnly_; }

protected:
    // The checksum rule every Parse begins with: a bad checksum fails, so do missing
    // ones when `required`. On success the talker is taken from the address.
    bool BeginParse(const SENTENCE& sentence, int checksumField, bool required = false);
    // Reads the UTC time text and its time value.
    void ReadTime(const SENTENCE& sentence, int field);
    // Starts a sentence with "$", talker and mnemonic.
    void BeginWrite(SENTENCE& sentence) const;

    bool fixFieldsOnly_ = false;

private:
    NMEA0183* container_ = nullptr;
};

}  // namespace rq
