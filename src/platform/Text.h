// Text helpers. All program text is UTF-16 (std::u16string); bytes from a port or a
// file become UTF-16 only through FromAnsi, paths and console output are UTF-8.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace rq::platform {

// The device's ANSI code page (Windows-1252): one byte becomes one code unit.
// Bytes 0x80-0x9F take their Windows-1252 meaning; the five unassigned ones map to
// the code unit of the same value.
char16_t AnsiToCodeUnit(unsigned char byte);
std::u16string FromAnsi(std::string_view bytes);
// Appends the converted bytes to `out` without a temporary string.
void AppendAnsi(std::u16string& out, const char* bytes, std::size_t count);

std::string ToUtf8(std::u16string_view text);
// Invalid UTF-8 sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);
// Widens 8-bit text byte for byte (for printf-made ASCII numbers and literals).
std::u16string Widen(std::string_view latin1);

bool IsSpace(char16_t c);
std::u16string Trim(std::u16string_view text);
// ASCII case-insensitive comparison (registry names, keys of profile files).
bool EqualsNoCase(std::u16string_view a, std::u16string_view b);

// Replaces each "%s" of `pattern` by the next argument and "%%" by "%". A "%s"
// without an argument left becomes empty text; other "%" sequences stay as they are.
std::u16string FormatText(std::u16string_view pattern,
                          std::initializer_list<std::u16string_view> args);

}  // namespace rq::platform
