// roamquill-tool settings [--set NAME=VALUE]...: every value of the settings store with
// its kind, default and what is stored now.
#include <charconv>
#include <cmath>
#include <cstdio>

#include "app/SettingsTable.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "tools/Json.h"
#include "tools/ToolCommand.h"

namespace rq::tool {

namespace {

constexpr const char* kName = "settings";

const char* KindName(SettingKind kind) {
    switch (kind) {
        case SettingKind::Integer:
            return "integer";
        case SettingKind::Text:
            return "text";
        case SettingKind::Binary:
            break;
    }
    return "binary";
}

// A coordinate as [latitude, longitude]; non-finite numbers become null.
std::string NumberArray(const std::vector<double>& numbers) {
    std::string out = "[";
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) out += ",";
        if (!std::isfinite(numbers[i])) {
            out += "null";
            continue;
        }
        char buffer[40];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, numbers[i]);
        out.append(buffer, result.ptr);
    }
    return out + "]";
}

void PrintSetting(const SettingDescription& row) {
    const SettingDefinition& definition = *row.definition;
    JsonLine line;
    line.Field("name", std::u16string_view(definition.name))
        .Field("kind", KindName(definition.kind))
        .Field("present", row.present);
    switch (definition.kind) {
        case SettingKind::Integer:
            if (row.present) line.Field("value", row.integer);
            line.Field("default", definition.integerDefault);
            break;
        case SettingKind::Text:
            if (row.present) line.Field("value", std::u16string_view(row.text));
            line.Field("default", "");
            break;
        case SettingKind::Binary:
            if (row.present && row.numbers.size() == 1) {
                line.Field("value", row.numbers[0]);
            } else if (row.present) {
                line.Raw("value", NumberArray(row.numbers));
            }
            line.Null("default");
            break;
    }
    line.Print();
}

int Run(const std::vector<std::string>& args) {
    std::vector<std::pair<std::string, std::string>> assignments;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--set" && i + 1 < args.size()) {
            const std::string& assignment = args[++i];
            const std::size_t equals = assignment.find('=');
            if (equals == std::string::npos) {
                return UsageError(kName, "--set needs NAME=VALUE, got \"" + assignment + "\"");
            }
            assignments.emplace_back(assignment.substr(0, equals), assignment.substr(equals + 1));
        } else {
            return UsageError(kName, "unexpected argument \"" + args[i] + "\"");
        }
    }
    const std::string problem = platform::Registry().TakeLoadProblem();
    if (!problem.empty()) std::fprintf(stderr, "roamquill-tool %s: %s\n", kName, problem.c_str());
    for (const auto& [name, value] : assignments) {
        std::string error;
        if (!SetSettingFromText(platform::FromUtf8(name), platform::FromUtf8(value), error)) {
            std::fprintf(stderr, "roamquill-tool %s: %s\n", kName, error.c_str());
            return 1;
        }
    }
    for (const SettingDescription& row : DescribeSettings()) PrintSetting(row);
    return 0;
}

const ToolCommand kCommand(kName, "[--set NAME=VALUE]...",
                           "every setting with its kind, default and stored value; --set "
                           "stores an integer or text value first",
                           Run);

}  // namespace

}  // namespace rq::tool
