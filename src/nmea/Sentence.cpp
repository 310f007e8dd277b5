#include "nmea/Sentence.h"

#include <charconv>
#include <cstdio>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "geo/Unset.h"
#include "nmea/NumberScan.h"
#include "platform/Text.h"

namespace rq {

void SENTENCE::Assign(std::u16string_view text) {
    text_.assign(text.data(), text.size());
    Index();
}

void SENTENCE::AssignLine(std::u16string_view withoutLineEnd) {
    const std::size_t size = withoutLineEnd.size();
    text_.resize(size + 2);
    withoutLineEnd.copy(text_.data(), size);
    text_[size] = u'\r';
    text_[size + 1] = u'\n';
    Index();
}

namespace {

struct IndexResult {
    int count = 0;
    std::uint32_t lineEnd = 0;
    std::uint32_t checksumStart = 0;
    bool hasStar = false;
    std::uint8_t sum = 0;
};

#if defined(__SSE2__)
// Sixteen characters: a bit a character for those that end the checksummed part ('*',
// CR, LF) and for the commas, and the block's characters folded by XOR for the checksum.
struct CharBlock {
    unsigned stop;
    unsigned commas;
    __m128i bits;
};

inline CharBlock ScanBlock(const char16_t* t) {
    const __m128i v0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t));
    const __m128i v1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + 8));
    auto stops = [](__m128i v) {
        return _mm_or_si128(_mm_cmpeq_epi16(v, _mm_set1_epi16(u'*')),
                            _mm_or_si128(_mm_cmpeq_epi16(v, _mm_set1_epi16(u'\r')),
                                         _mm_cmpeq_epi16(v, _mm_set1_epi16(u'\n'))));
    };
    const __m128i comma = _mm_set1_epi16(u',');
    return {static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(stops(v0), stops(v1)))),
            static_cast<unsigned>(_mm_movemask_epi8(
                _mm_packs_epi16(_mm_cmpeq_epi16(v0, comma), _mm_cmpeq_epi16(v1, comma)))),
            _mm_xor_si128(v0, v1)};
}

inline CharBlock ScanBlock(const char* t) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t));
    const __m128i stop = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('*')),
                                      _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\r')),
                                                   _mm_cmpeq_epi8(v, _mm_set1_epi8('\n'))));
    return {static_cast<unsigned>(_mm_movemask_epi8(stop)),
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(',')))), v};
}
#endif

// One pass over the characters from `i` finds the line end, the field bounds, the
// checksum and the checksum field. Char is char16_t for the text, or char for the
// port's ASCII bytes that the text was widened from (same characters, twice the
// characters a vector).
template <typename Char>
IndexResult IndexChars(const Char* t, std::uint32_t size, std::uint32_t i,
                       std::uint32_t* separators) {
    int count = 0;
    std::uint8_t sum = 0;
    IndexResult r;
#if defined(__SSE2__)
    // Sixteen characters at a time: one bit a character for the characters that end
    // the checksummed part and for the commas; the checksum is the low byte of the
    // XOR of all lanes. The block that holds the end is finished with its masks.
    {
        __m128i acc = _mm_setzero_si128();
        while (i + 16 <= size) {
            const CharBlock block = ScanBlock(t + i);
            unsigned commas = block.commas;
            const bool ends = block.stop != 0;
            const unsigned end = ends ? static_cast<unsigned>(__builtin_ctz(block.stop)) : 16;
            if (ends) commas &= (1u << end) - 1;
            while (commas) {
                separators[count++] = i + static_cast<std::uint32_t>(__builtin_ctz(commas));
                commas &= commas - 1;
            }
            if (ends) {
                for (unsigned k = 0; k < end; ++k) sum ^= static_cast<std::uint8_t>(t[i + k]);
                i += end;
                break;
            }
            acc = _mm_xor_si128(acc, block.bits);
            i += 16;
        }
        // Bytes fill both halves of a lane; code units only the low one.
        if constexpr (sizeof(Char) == 1) acc = _mm_xor_si128(acc, _mm_srli_si128(acc, 1));
        acc = _mm_xor_si128(acc, _mm_srli_si128(acc, 8));
        acc = _mm_xor_si128(acc, _mm_srli_si128(acc, 4));
        acc = _mm_xor_si128(acc, _mm_srli_si128(acc, 2));
        sum ^= static_cast<std::uint8_t>(_mm_cvtsi128_si32(acc));
    }
#endif
    // Until the first '*' every character goes into the checksum. Commas are counted
    // without a branch: a sentence is a third commas, in no predictable pattern.
    for (; i < size; ++i) {
        const Char c = t[i];
        if (c <= '*' && (c == '*' || c == '\r' || c == '\n')) break;
        sum ^= static_cast<std::uint8_t>(c);
        separators[count] = i;
        count += c == ',';
    }
    for (; i < size; ++i) {
        const Char c = t[i];
        if (c == '\r' || c == '\n') break;
        if (c == ',' || c == '*') {
            separators[count++] = i;
            if (c == '*') {
                r.hasStar = true;
                r.checksumStart = i + 1;
            }
        }
    }
    separators[count++] = i;
    r.count = count;
    r.lineEnd = i;
    r.sum = sum;
    return r;
}

}  // namespace

void SENTENCE::Index() {
    const std::uint32_t size = static_cast<std::uint32_t>(text_.size());
    if (separators_.size() < size + 1u) separators_.resize(size + 1u);
    const IndexResult r = IndexChars(text_.data(), size, size > 0 ? 1 : 0, separators_.data());
    fieldCount_ = r.count;
    lineEnd_ = r.lineEnd;
    hasLineEnd_ = r.lineEnd < size;
    hasStar_ = r.hasStar;
    if (r.hasStar) checksumStart_ = r.checksumStart;
    checksum_ = size < 2 ? 0 : r.sum;
}

namespace {

// Widens ASCII bytes to code units; false, with `out` half written, when a byte has
// the high bit, which the ANSI code page may turn into a code unit of another low byte.
bool WidenAscii(const char* bytes, std::size_t n, char16_t* out) {
#if defined(__SSE2__)
    if (n >= 16) {
        const __m128i zero = _mm_setzero_si128();
        __m128i any = zero;
        auto widen = [&](std::size_t at) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
            any = _mm_or_si128(any, v);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), _mm_unpacklo_epi8(v, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at + 8), _mm_unpackhi_epi8(v, zero));
        };
        std::size_t i = 0;
        for (; i + 16 <= n; i += 16) widen(i);
        if (i < n) widen(n - 16);  // the last sixteen again, overlapping
        return _mm_movemask_epi8(any) == 0;
    }
#endif
    unsigned any = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        any |= c;
        out[i] = c;
    }
    return (any & 0x80) == 0;
}

}  // namespace

void SENTENCE::AssignAnsiLine(std::string_view bytes) {
    const std::size_t n = bytes.size();
    text_.resize(n + 2);
    char16_t* const out = text_.data();
    out[n] = u'\r';
    out[n + 1] = u'\n';
    if (n == 0 || !WidenAscii(bytes.data(), n, out)) {
        text_.clear();
        platform::AppendAnsi(text_, bytes.data(), n);
        text_.append(u"\r\n");
        Index();
        return;
    }
    // The bytes are the text's characters up to the appended CR LF, so their line
    // end, at the latest, is where the CR stands.
    const std::uint32_t size = static_cast<std::uint32_t>(n);
    if (separators_.size() < size + 3u) separators_.resize(size + 3u);
    const IndexResult r = IndexChars(bytes.data(), size, 1, separators_.data());
    fieldCount_ = r.count;
    lineEnd_ = r.lineEnd;
    hasLineEnd_ = true;
    hasStar_ = r.hasStar;
    if (r.hasStar) checksumStart_ = r.checksumStart;
    checksum_ = r.sum;
}

char16_t SENTENCE::FirstChar(int number) const {
    const std::u16string_view f = Field(number);
    return f.empty() ? 0 : f[0];
}

namespace {

// Powers of ten exactly representable as doubles.
constexpr double kExactPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// A digit's value, or more than 9 for any other code unit.
inline unsigned DigitOf(char16_t c) {
    return static_cast<unsigned>(c) - u'0';
}

}  // namespace

double SENTENCE::Double(int number) const {
    // The receivers' form "[-]digits[.digits]", the whole field, at most 15 digits:
    // mantissa and power of ten are exact, so one division rounds correctly, and the
    // result is the one the general reader gives. Anything else goes that way.
    const std::u16string_view f = Field(number);
    if (f.empty()) return kUnset;  // many a receiver leaves fields empty
    const char16_t* p = f.data();
    const char16_t* const end = p + f.size();
    const bool negative = p < end && *p == u'-';
    p += negative;
    const char16_t* const first = p;
    std::uint64_t mantissa = 0;
    while (p < end && DigitOf(*p) <= 9) mantissa = mantissa * 10 + DigitOf(*p++);
    std::ptrdiff_t digits = p - first;
    std::ptrdiff_t fraction = 0;
    if (p < end && *p == u'.') {
        const char16_t* const point = ++p;
        while (p < end && DigitOf(*p) <= 9) mantissa = mantissa * 10 + DigitOf(*p++);
        fraction = p - point;
        digits += fraction;
    }
    if (p == end && digits > 0 && digits <= 15) {
        const double v = static_cast<double>(mantissa) / kExactPowers[fraction];
        return negative ? -v : v;
    }
    double value;
    return nmea::ScanDouble(f, value) ? value : kUnset;
}

int SENTENCE::ReadInteger(std::u16string_view f) {
    const char16_t* const p = f.data();
    // Plain digits, the usual case, without the general reader; the common lengths
    // without a loop.
    switch (f.size()) {
        case 1:
            if (DigitOf(p[0]) <= 9) return static_cast<int>(DigitOf(p[0]));
            break;
        case 2:
            if (DigitOf(p[0]) <= 9 && DigitOf(p[1]) <= 9)
                return static_cast<int>(DigitOf(p[0]) * 10 + DigitOf(p[1]));
            break;
        case 3:
            if (DigitOf(p[0]) <= 9 && DigitOf(p[1]) <= 9 && DigitOf(p[2]) <= 9)
                return static_cast<int>(DigitOf(p[0]) * 100 + DigitOf(p[1]) * 10 + DigitOf(p[2]));
            break;
        default:
            if (f.size() <= 9) {
                unsigned v = 0;
                std::size_t i = 0;
                for (; i < f.size() && DigitOf(p[i]) <= 9; ++i) v = v * 10 + DigitOf(p[i]);
                if (i == f.size()) return static_cast<int>(v);
            }
            break;
    }
    return nmea::ScanInteger(f);
}

namespace {
char16_t Single(std::u16string_view f) {
    return f.size() == 1 ? f[0] : 0;
}
}  // namespace

NmeaBoolean SENTENCE::Boolean(int number) const {
    switch (Single(Field(number))) {
        case u'A':
            return NmeaBoolean::True;
        case u'V':
            return NmeaBoolean::False;
        default:
            return NmeaBoolean::Unknown;
    }
}

NorthSouth SENTENCE::NorthOrSouth(int number) const {
    switch (Single(Field(number))) {
        case u'N':
            return NorthSouth::North;
        case u'S':
            return NorthSouth::South;
        default:
            return NorthSouth::Unknown;
    }
}

EastWest SENTENCE::EastOrWest(int number) const {
    switch (Single(Field(number))) {
        case u'E':
            return EastWest::East;
        case u'W':
            return EastWest::West;
        default:
            return EastWest::Unknown;
    }
}

LeftRight SENTENCE::LeftOrRight(int number) const {
    switch (Single(Field(number))) {
        case u'L':
            return LeftRight::Left;
        case u'R':
            return LeftRight::Right;
        default:
            return LeftRight::Unknown;
    }
}

rq::Reference SENTENCE::Reference(int number) const {
    switch (Single(Field(number))) {
        case u'B':
            return Reference::BottomTrackingLog;
        case u'M':
            return Reference::ManuallyEntered;
        case u'W':
            return Reference::WaterReferenced;
        case u'R':
            return Reference::RadarTrackingOfFixedTarget;
        case u'P':
            return Reference::PositioningSystemGroundReference;
        default:
            return Reference::Unknown;
    }
}

rq::CommunicationsMode SENTENCE::CommunicationsMode(int number) const {
    const char16_t c = Single(Field(number));
    switch (c) {
        case u'd':
        case u'e':
        case u'm':
        case u'o':
        case u'q':
        case u's':
        case u'w':
        case u'x':
        case u'{':
        case u'|':
            return static_cast<rq::CommunicationsMode>(c);
        default:
            return CommunicationsMode::Unknown;
    }
}

rq::TransducerType SENTENCE::TransducerType(int number) const {
    const char16_t c = Single(Field(number));
    switch (c) {
        case u'A':
        case u'C':
        case u'D':
        case u'F':
        case u'H':
        case u'N':
        case u'P':
        case u'R':
        case u'T':
        case u'V':
            return static_cast<rq::TransducerType>(c);
        default:
            return TransducerType::Unknown;
    }
}

platform::TimeValue LocalTimeOf(const SENTENCE& cache, const platform::CalendarTime& f, bool& ok) {
    ok = false;
    if (f.hour < 0 || f.hour > 23 || f.minute < 0 || f.minute > 59 || f.second < 0 || f.second > 59)
        return 0;
    for (const SENTENCE::DayCache& d : cache.dayCache_) {
        if (d.uniform && d.year == f.year && d.month == f.month && d.day == f.day) {
            ok = true;
            return d.midnight + f.hour * 3600 + f.minute * 60 + f.second;
        }
    }
    const std::optional<platform::TimeValue> exact = platform::MakeLocalTime(f);
    if (!exact) return 0;
    ok = true;
    const auto first = platform::MakeLocalTime({f.year, f.month, f.day, 0, 0, 0});
    const auto last = platform::MakeLocalTime({f.year, f.month, f.day, 23, 59, 59});
    SENTENCE::DayCache& d = cache.dayCache_[cache.nextDay_++ % 4];
    d.year = f.year;
    d.month = f.month;
    d.day = f.day;
    d.uniform = first && last && *last - *first == 86399;
    d.midnight = first ? *first : 0;
    return *exact;
}

platform::TimeValue SENTENCE::Time(int number) const {
    const std::u16string_view f = Field(number);
    if (f.size() < 6) return 0;
    const int hours = nmea::ScanPair(f.substr(0, 2));
    const int minutes = nmea::ScanPair(f.substr(2, 2));
    const int seconds = nmea::ScanPair(f.substr(4, 2));
    if (hours > 23 || minutes > 59 || seconds > 59) return 0;
    bool ok;
    return LocalTimeOf(*this, {1980, 1, 1, hours, minutes, seconds}, ok);
}

namespace {
int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}
}  // namespace

std::u16string_view SENTENCE::ChecksumField() const {
    if (!hasLineEnd_ || !hasStar_) return {};
    return std::u16string_view(text_.data() + checksumStart_, lineEnd_ - checksumStart_);
}

int SENTENCE::NumberOfDataFields() const {
    int count = 0;
    for (std::size_t i = 1; i < text_.size() && text_[i] != u'*'; ++i)
        if (text_[i] == u',') ++count;
    return count;
}

ChecksumResult SENTENCE::IsChecksumBad(int) const {
    const std::u16string_view field = ChecksumField();
    if (field.empty()) return ChecksumResult::Unknown;
    std::uint64_t value;
    const int high = field.size() == 2 ? HexDigit(field[0]) : -1;
    const int low = field.size() == 2 ? HexDigit(field[1]) : -1;
    if (high >= 0 && low >= 0)
        value = static_cast<std::uint64_t>(high * 16 + low);  // the usual "*hh"
    else if (!nmea::ScanHex(field, value))
        value = kUnset32;
    return value == checksum_ ? ChecksumResult::NotBad : ChecksumResult::Bad;
}

void SENTENCE::Begin(std::u16string_view address) {
    // Built aside, so an address that views the old text stays valid while copied.
    std::u16string fresh;
    fresh.reserve(address.size() + 1);
    fresh.push_back(u'$');
    fresh.append(address);
    text_.swap(fresh);
    Index();
}

SENTENCE& SENTENCE::AddText(std::u16string_view text) {
    text_.push_back(u',');
    text_.append(text);
    Index();
    return *this;
}

namespace {
void AppendAscii(std::u16string& out, const char* s, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) out.push_back(static_cast<unsigned char>(s[i]));
}
}  // namespace

SENTENCE& SENTENCE::AddInteger(int value) {
    char buffer[16];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    text_.push_back(u',');
    AppendAscii(text_, buffer, static_cast<std::size_t>(r.ptr - buffer));
    Index();
    return *this;
}

SENTENCE& SENTENCE::AddDouble(double value) {
    text_.push_back(u',');
    if (!IsUnset(value)) {
        char buffer[400];
        const int n = std::snprintf(buffer, sizeof buffer, "%.3f", value);
        if (n > 0) AppendAscii(text_, buffer, static_cast<std::size_t>(n));
    }
    Index();
    return *this;
}

namespace {
SENTENCE& AddLetter(SENTENCE& s, char16_t letter) {
    const char16_t text[1] = {letter};
    return s.AddText(letter ? std::u16string_view(text, 1) : std::u16string_view());
}
}  // namespace

SENTENCE& SENTENCE::Add(NmeaBoolean v) {
    return AddLetter(*this, v == NmeaBoolean::True ? u'A' : v == NmeaBoolean::False ? u'V' : 0);
}
SENTENCE& SENTENCE::Add(NorthSouth v) {
    return AddLetter(*this, v == NorthSouth::North ? u'N' : v == NorthSouth::South ? u'S' : 0);
}
SENTENCE& SENTENCE::Add(EastWest v) {
    return AddLetter(*this, v == EastWest::East ? u'E' : v == EastWest::West ? u'W' : 0);
}
SENTENCE& SENTENCE::Add(LeftRight v) {
    return AddLetter(*this, v == LeftRight::Left ? u'L' : v == LeftRight::Right ? u'R' : 0);
}
SENTENCE& SENTENCE::Add(rq::Reference v) {
    static constexpr char16_t kLetters[] = {0, u'B', u'M', u'W', u'R', u'P'};
    const int i = static_cast<int>(v);
    return AddLetter(*this, i >= 0 && i <= 5 ? kLetters[i] : 0);
}
SENTENCE& SENTENCE::Add(rq::CommunicationsMode v) {
    return AddLetter(*this, static_cast<char16_t>(v));
}
SENTENCE& SENTENCE::Add(rq::TransducerType v) {
    return AddLetter(*this, static_cast<char16_t>(v));
}

void SENTENCE::Finish() {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    const std::uint8_t sum = checksum_;
    text_.push_back(u'*');
    text_.push_back(kHex[sum >> 4]);
    text_.push_back(kHex[sum & 15]);
    text_.append(u"\r\n");
    Index();
}

}  // namespace rq
