// The table of every value of the settings store, with its kind and default, and a
// description of what is stored now (for roamquill-tool settings).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rq {

enum class SettingKind { Integer, Text, Binary };

struct SettingDefinition {
    const char16_t* name;
    SettingKind kind;
    // Integer values: the default when absent. Text values default to empty text;
    // binary values have no default.
    std::uint32_t integerDefault;
    // Binary values: the stored size in bytes (8-byte doubles, or one 4-byte float).
    std::size_t binarySize;
};

const std::vector<SettingDefinition>& SettingDefinitions();
const SettingDefinition* FindSetting(std::u16string_view name);

struct SettingDescription {
    const SettingDefinition* definition = nullptr;
    bool present = false;
    // The stored value when present, else the default (binary: empty when absent).
    std::uint32_t integer = 0;
    std::u16string text;
    std::vector<double> numbers;
};
// One description per value, in table order. Creates the key path like every access.
std::vector<SettingDescription> DescribeSettings();

// Stores an integer (decimal) or a text value given as text; false with a reason for
// unknown names, binary values and unreadable numbers, or when the write fails.
bool SetSettingFromText(std::u16string_view name, std::u16string_view value, std::string& error);

}  // namespace rq
