#include "tools/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/Text.h"

namespace rq::tool {

std::string JsonQuote(std::string_view s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out.push_back(static_cast<char>(c));
                }
        }
    }
    out += "\"";
    return out;
}

void JsonLine::Key(std::string_view name) {
    if (body_.size() > 1) body_ += ",";
    body_ += JsonQuote(name);
    body_ += ":";
}

JsonLine& JsonLine::Field(std::string_view name, std::string_view utf8) {
    Key(name);
    body_ += JsonQuote(utf8);
    return *this;
}

JsonLine& JsonLine::Field(std::string_view name, std::u16string_view text) {
    return Field(name, std::string_view(platform::ToUtf8(text)));
}

JsonLine& JsonLine::Field(std::string_view name, double number) {
    Key(name);
    if (!std::isfinite(number)) {
        body_ += "null";
    } else {
        // Shortest text that reads back as the same double.
        char buf[40];
        const auto result = std::to_chars(buf, buf + sizeof buf, number);
        body_.append(buf, result.ptr);
    }
    return *this;
}

JsonLine& JsonLine::Field(std::string_view name, std::int64_t number) {
    Key(name);
    body_ += std::to_string(number);
    return *this;
}

JsonLine& JsonLine::Field(std::string_view name, bool value) {
    Key(name);
    body_ += value ? "true" : "false";
    return *this;
}

JsonLine& JsonLine::Null(std::string_view name) {
    Key(name);
    body_ += "null";
    return *this;
}

JsonLine& JsonLine::Raw(std::string_view name, std::string_view json) {
    Key(name);
    body_ += json;
    return *this;
}

void JsonLine::Print() const {
    const std::string line = Str();
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace rq::tool
