// A small writer for one JSON object per output line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rq::tool {

class JsonLine {
public:
    JsonLine& Field(std::string_view name, std::string_view utf8);
    JsonLine& Field(std::string_view name, std::u16string_view text);
    JsonLine& Field(std::string_view name, const char* utf8) {
        return Field(name, std::string_view(utf8));
    }
    JsonLine& Field(std::string_view name, double number);  // non-finite numbers become null
    JsonLine& Field(std::string_view name, std::int64_t number);
    JsonLine& Field(std::string_view name, int number) {
        return Field(name, static_cast<std::int64_t>(number));
    }
    JsonLine& Field(std::string_view name, std::uint32_t number) {
        return Field(name, static_cast<std::int64_t>(number));
    }
    JsonLine& Field(std::string_view name, bool value);
    JsonLine& Null(std::string_view name);
    // Inserts already formed JSON (an array or a nested object).
    JsonLine& Raw(std::string_view name, std::string_view json);
    // The finished object, without a line end.
    std::string Str() const { return body_ + "}"; }
    // Writes the object and a line end to standard output and flushes.
    void Print() const;

private:
    void Key(std::string_view name);
    std::string body_ = "{";
};

std::string JsonQuote(std::string_view utf8);

}  // namespace rq::tool
