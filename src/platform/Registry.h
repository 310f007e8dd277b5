// The registry store: a hierarchy of keys holding integer, text and binary values,
// kept in a REGEDIT4-style text file. Key and value names compare without regard to
// ASCII case, as on the device. Every change is written through atomically.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rq::platform {

enum class RegistryKind { Integer, Text, Binary };

struct RegistryValue {
    RegistryKind kind = RegistryKind::Integer;
    std::uint32_t integer = 0;
    std::u16string text;
    std::vector<std::uint8_t> binary;
};

class RegistryStore {
public:
    // Loads `filePath` when it exists. A file that cannot be read or parsed is renamed
    // to "<file>.bad" (never overwritten) and the store starts empty; LoadProblem then
    // tells what happened, once.
    explicit RegistryStore(std::string filePath);
    ~RegistryStore();

    // Key paths are written with backslashes: "HKEY_CURRENT_USER\\software\\...".
    // Creates every missing key on the way.
    bool CreateKey(std::u16string_view keyPath);
    bool KeyExists(std::u16string_view keyPath) const;
    std::optional<RegistryValue> GetValue(std::u16string_view keyPath,
                                          std::u16string_view name) const;
    // The setters create the key path; false when it cannot be persisted.
    bool SetInteger(std::u16string_view keyPath, std::u16string_view name, std::uint32_t value);
    bool SetText(std::u16string_view keyPath, std::u16string_view name, std::u16string_view value);
    bool SetBinary(std::u16string_view keyPath, std::u16string_view name,
                   const std::vector<std::uint8_t>& value);
    bool DeleteValue(std::u16string_view keyPath, std::u16string_view name);
    std::vector<std::u16string> ValueNames(std::u16string_view keyPath) const;

    // Non-empty once after a corrupt or unreadable file was set aside.
    std::string TakeLoadProblem();
    const std::string& FilePath() const;

private:
    friend void OpenRegistry(const std::string& filePath);
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The process-wide store, opened on first use at ROAMQUILL_REGISTRY or
// $XDG_CONFIG_HOME/roamquill/registry.reg (~/.config/roamquill/registry.reg).
RegistryStore& Registry();
// Replaces the process-wide store (start-up and tests open another file).
void OpenRegistry(const std::string& filePath);

}  // namespace rq::platform
