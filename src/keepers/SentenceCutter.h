// Cuts NMEA sentences out of the text a port delivers: from a "$" up to, not
// including, the next CR or LF. Text that can never become a sentence is not kept.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rq {

class CSentenceCutter {
public:
    // Longest unfinished sentence kept; a receiver at the wrong baud rate sends "$"
    // without line ends, and the buffer must not grow without end.
    static constexpr std::size_t kMaxPending = 4096;

    // Appends bytes converted from the ANSI code page, up to the first zero byte.
    void Append(const char* bytes, std::size_t count);
    // The next complete sentence, and removes it with everything before it; the CR
    // or LF that ended it stays and is passed over by the next search. The view stays
    // valid until the next Append or Clear.
    bool Cut(std::u16string_view& sentence);
    bool Cut(std::u16string& sentence);
    void Clear() {
        buffer_.clear();
        start_ = 0;
    }
    std::u16string_view Pending() const { return std::u16string_view(buffer_).substr(start_); }

private:
    // The text before start_ has been cut already; it is dropped once per Append
    // rather than once per sentence.
    std::u16string buffer_;
    std::size_t start_ = 0;
};

}  // namespace rq
