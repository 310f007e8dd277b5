// One NMEA 0183 line and the typed reading of its fields.
//
// Field 0 is the address (talker and type, "GPGGA"); field n is the text after the
// n-th separator, where both ',' and '*' separate. The field starts are found once,
// when the text is set, so every getter is a table look-up and no field is copied.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "nmea/NmeaEnums.h"
#include "platform/Time.h"

namespace rq {

class SENTENCE {
public:
    SENTENCE() { Index(); }
    explicit SENTENCE(std::u16string_view text) { Assign(text); }
    SENTENCE& operator=(std::u16string_view text) {
        Assign(text);
        return *this;
    }
    void Assign(std::u16string_view text);
    // The text with CR LF appended, without building the longer text first.
    void AssignLine(std::u16string_view withoutLineEnd);
    // The same for a line as a port's bytes in the ANSI code page: converted and
    // indexed in one go.
    void AssignAnsiLine(std::string_view withoutLineEnd);
    const std::u16string& Text() const { return text_; }

    // Empty for a field that does not exist. Fields end at ',', '*', CR or LF.
    std::u16string_view Field(int number) const {
        if (number < 0 || number >= fieldCount_) return {};
        const std::uint32_t b = number == 0 ? (text_.empty() ? 0 : 1) : separators_[number - 1] + 1;
        return std::u16string_view(text_.data() + b, separators_[number] - b);
    }
    int FieldCount() const { return fieldCount_; }
    // The first character of a field, 0 when the field is empty.
    char16_t FirstChar(int number) const;

    // "%lf" reading; the unset value when nothing can be read.
    double Double(int number) const;
    // Decimal reading of the leading digits; 0 when empty or not numeric. Two and
    // three digits, the usual satellite numbers, angles and ratios, are read inline.
    int Integer(int number) const {
        const std::u16string_view f = Field(number);
        const unsigned a = f.size() >= 2 ? f[0] - u'0' : 10u;
        const unsigned b = f.size() >= 2 ? f[1] - u'0' : 10u;
        if (f.size() == 2 && a <= 9 && b <= 9) return static_cast<int>(a * 10 + b);
        if (f.size() == 3 && a <= 9 && b <= 9 && static_cast<unsigned>(f[2] - u'0') <= 9)
            return static_cast<int>(a * 100 + b * 10 + (f[2] - u'0'));
        return ReadInteger(f);
    }
    NmeaBoolean Boolean(int number) const;
    NorthSouth NorthOrSouth(int number) const;
    EastWest EastOrWest(int number) const;
    LeftRight LeftOrRight(int number) const;
    rq::Reference Reference(int number) const;
    rq::CommunicationsMode CommunicationsMode(int number) const;
    rq::TransducerType TransducerType(int number) const;
    // hhmmss on 1 January 1980 read as local time; 0 when short or out of range.
    platform::TimeValue Time(int number) const;

    // XOR of the characters after '$' up to the first '*', CR or LF.
    std::uint8_t ComputeChecksum() const { return checksum_; }
    // The text after the last '*' before the line end; empty without a line end.
    std::u16string_view ChecksumField() const;
    // Commas after '$' up to the first '*'.
    int NumberOfDataFields() const;
    // The checksum field is located by its '*', so the number is only documentary.
    ChecksumResult IsChecksumBad(int checksumFieldNumber) const;

    // Composing: each Add appends a comma and the value.
    SENTENCE& AddText(std::u16string_view text);
    SENTENCE& AddInteger(int value);
    SENTENCE& AddDouble(double value);  // "%.3f"; an unset value leaves the field empty
    SENTENCE& Add(NmeaBoolean value);
    SENTENCE& Add(NorthSouth value);
    SENTENCE& Add(EastWest value);
    SENTENCE& Add(LeftRight value);
    SENTENCE& Add(rq::Reference value);
    SENTENCE& Add(rq::CommunicationsMode value);
    SENTENCE& Add(rq::TransducerType value);
    // Starts a new sentence "$" + address.
    void Begin(std::u16string_view address);
    // Appends "*hh" and CR LF.
    void Finish();

private:
    void Index();
    static int ReadInteger(std::u16string_view field);

    std::u16string text_;
    // separators_[n] is the index of the separator that ends field n; the last field
    // ends at the line end. Sized once to the longest line seen, never shrunk.
    std::vector<std::uint32_t> separators_;
    int fieldCount_ = 0;
    std::uint32_t lineEnd_ = 0;        // index of the first CR or LF, or the length
    std::uint32_t checksumStart_ = 0;  // one past the last '*' before the line end
    bool hasLineEnd_ = false;
    bool hasStar_ = false;
    std::uint8_t checksum_ = 0;
    // Days recently turned into times (the time fields' 1980 day and the date of RMC).
    struct DayCache {
        int year = 0, month = 0, day = 0;
        platform::TimeValue midnight = 0;
        bool uniform = false;  // no clock change that day: seconds add to midnight
    };
    mutable DayCache dayCache_[4];
    mutable unsigned nextDay_ = 0;

    friend platform::TimeValue LocalTimeOf(const SENTENCE& cache, const platform::CalendarTime&,
                                           bool& ok);
};

// MakeLocalTime through the sentence's one-day cache: a day without a clock change
// is looked up once, and times of that day are midnight plus seconds.
platform::TimeValue LocalTimeOf(const SENTENCE& cache, const platform::CalendarTime& fields,
                                bool& ok);

}  // namespace rq
