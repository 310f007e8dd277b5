#include "keepers/SentenceCutter.h"

#include <cstring>

#include "platform/Text.h"

namespace rq {

void CSentenceCutter::Append(const char* bytes, std::size_t count) {
    const void* zero = std::memchr(bytes, 0, count);
    if (zero) count = static_cast<std::size_t>(static_cast<const char*>(zero) - bytes);
    platform::AppendAnsi(buffer_, bytes, count);
}

bool CSentenceCutter::Cut(std::u16string& sentence) {
    std::size_t dollar = buffer_.find(u'$');
    if (dollar == std::u16string::npos) {
        // Nothing here can start a sentence.
        buffer_.clear();
        return false;
    }
    std::size_t end = buffer_.find_first_of(u"\r\n", dollar);
    if (end == std::u16string::npos) {
        // Only the text from the last "$" can still become a sentence.
        std::size_t last = buffer_.rfind(u'$');
        buffer_.erase(0, last);
        if (buffer_.size() > kMaxPending) buffer_.clear();
        return false;
    }
    sentence.assign(buffer_, dollar, end - dollar);
    buffer_.erase(0, end);
    return true;
}

}  // namespace rq
