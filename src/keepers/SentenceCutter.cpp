#include "keepers/SentenceCutter.h"

#include <cstring>

#include "platform/Text.h"

namespace rq {

void CSentenceCutter::Append(const char* bytes, std::size_t count) {
    const void* zero = std::memchr(bytes, 0, count);
    if (zero) count = static_cast<std::size_t>(static_cast<const char*>(zero) - bytes);
    if (start_ > 0) {
        buffer_.erase(0, start_);
        start_ = 0;
    }
    platform::AppendAnsi(buffer_, bytes, count);
}

bool CSentenceCutter::Cut(std::u16string_view& sentence) {
    const char16_t* const text = buffer_.data();
    const std::size_t size = buffer_.size();
    std::size_t dollar = start_;
    while (dollar < size && text[dollar] != u'$') ++dollar;
    if (dollar == size) {
        // Nothing here can start a sentence.
        Clear();
        return false;
    }
    std::size_t end = dollar + 1;
    while (end < size && text[end] != u'\r' && text[end] != u'\n') ++end;
    if (end == size) {
        // Only the text from the last "$" can still become a sentence.
        std::size_t last = buffer_.rfind(u'$');
        buffer_.erase(0, last);
        start_ = 0;
        if (buffer_.size() > kMaxPending) buffer_.clear();
        return false;
    }
    sentence = std::u16string_view(text + dollar, end - dollar);
    start_ = end;
    return true;
}

bool CSentenceCutter::Cut(std::u16string& sentence) {
    std::u16string_view view;
    if (!Cut(view)) return false;
    sentence.assign(view);
    return true;
}

}  // namespace rq
