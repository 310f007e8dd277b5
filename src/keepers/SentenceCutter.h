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

    // Appends the port's bytes up to the first zero byte.
    void Append(const char* bytes, std::size_t count);
    // The next complete sentence as the port's bytes, and removes it with everything
    // before it; the CR or LF that ended it stays and is passed over by the next search.
    // The view stays valid until the next Append or Clear.
    bool Cut(std::string_view& sentence);
    // The same converted from the ANSI code page.
    bool Cut(std::u16string& sentence);
    void Clear() {
        buffer_.clear();
        start_ = 0;
    }
    // What waits for its line end, converted from the ANSI code page.
    std::u16string Pending() const;

private:
    // Bytes, not text: '$', CR and LF are the same in every code page, and the parser
    // converts each sentence once, as it indexes it. The text before start_ has been
    // cut already; it is dropped once per Append rather than once per sentence.
    std::string buffer_;
    std::size_t start_ = 0;
};

}  // namespace rq
