#include "keepers/SentenceCutter.h"

#include <cstring>

#include "platform/Text.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rq {

namespace {

// The first CR or LF at or after `from`, or `size`; sixteen bytes at a time.
std::size_t FindLineEnd(const char* text, std::size_t from, std::size_t size) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; from + 16 <= size; from += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + from));
        const unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf))));
        if (mask) return from + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    while (from < size && text[from] != '\r' && text[from] != '\n') ++from;
    return from;
}

}  // namespace

void CSentenceCutter::Append(const char* bytes, std::size_t count) {
    const void* zero = std::memchr(bytes, 0, count);
    if (zero) count = static_cast<std::size_t>(static_cast<const char*>(zero) - bytes);
    if (start_ > 0) {
        buffer_.erase(0, start_);
        start_ = 0;
    }
    buffer_.append(bytes, count);
}

bool CSentenceCutter::Cut(std::string_view& sentence) {
    const char* const text = buffer_.data();
    const std::size_t size = buffer_.size();
    // The next "$" mostly follows the CR LF that ended the last sentence.
    std::size_t near = start_;
    while (near < size && near < start_ + 3 && text[near] != '$') ++near;
    const void* found = near < size && text[near] == '$' ? text + near
                        : near < size ? std::memchr(text + near, '$', size - near)
                                      : nullptr;
    if (!found) {
        // Nothing here can start a sentence.
        Clear();
        return false;
    }
    const std::size_t dollar = static_cast<std::size_t>(static_cast<const char*>(found) - text);
    const std::size_t end = FindLineEnd(text, dollar + 1, size);
    if (end == size) {
        // Only the text from the last "$" can still become a sentence.
        std::size_t last = buffer_.rfind('$');
        buffer_.erase(0, last);
        start_ = 0;
        if (buffer_.size() > kMaxPending) buffer_.clear();
        return false;
    }
    sentence = std::string_view(text + dollar, end - dollar);
    start_ = end;
    return true;
}

bool CSentenceCutter::Cut(std::u16string& sentence) {
    std::string_view bytes;
    if (!Cut(bytes)) return false;
    sentence.clear();
    platform::AppendAnsi(sentence, bytes.data(), bytes.size());
    return true;
}

std::u16string CSentenceCutter::Pending() const {
    return platform::FromAnsi(std::string_view(buffer_).substr(start_));
}

}  // namespace rq
