#include "platform/Registry.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>

#include "platform/Files.h"
#include "platform/Text.h"

namespace rq::platform {

namespace {

struct NamedValue {
    std::u16string name;
    RegistryValue value;
};

struct Key {
    std::u16string name;
    std::vector<NamedValue> values;
    std::vector<Key> children;
};

using KeyPath = std::vector<std::u16string>;

// Splits "A\\B\\C" into its names; empty names between separators are skipped. A name
// with a control character or a broken surrogate could not be written as a section line.
bool SplitKeyPath(std::u16string_view path, KeyPath& out) {
    out.clear();
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) end = path.size();
        std::u16string_view name = path.substr(start, end - start);
        for (std::size_t i = 0; i < name.size(); ++i) {
            char16_t c = name[i];
            if (c < 0x20 || c == 0x7F) return false;
            if (c >= 0xD800 && c <= 0xDBFF) {
                if (i + 1 >= name.size() || name[i + 1] < 0xDC00 || name[i + 1] > 0xDFFF) {
                    return false;
                }
                ++i;
            } else if (c >= 0xDC00 && c <= 0xDFFF) {
                return false;
            }
        }
        if (!name.empty()) out.emplace_back(name);
        start = end + 1;
    }
    return !out.empty();
}

Key* FindChild(Key& key, std::u16string_view name) {
    for (Key& child : key.children) {
        if (EqualsNoCase(child.name, name)) return &child;
    }
    return nullptr;
}

const Key* FindKey(const Key& root, const KeyPath& path) {
    const Key* key = &root;
    for (const std::u16string& name : path) {
        key = FindChild(const_cast<Key&>(*key), name);
        if (key == nullptr) return nullptr;
    }
    return key;
}

Key& MakeKey(Key& root, const KeyPath& path) {
    Key* key = &root;
    for (const std::u16string& name : path) {
        Key* child = FindChild(*key, name);
        if (child == nullptr) {
            key->children.push_back(Key{name, {}, {}});
            child = &key->children.back();
        }
        key = child;
    }
    return *key;
}

NamedValue* FindValue(Key& key, std::u16string_view name) {
    for (NamedValue& value : key.values) {
        if (EqualsNoCase(value.name, name)) return &value;
    }
    return nullptr;
}

bool SameValue(const RegistryValue& a, const RegistryValue& b) {
    if (a.kind != b.kind) return false;
    switch (a.kind) {
        case RegistryKind::Integer:
            return a.integer == b.integer;
        case RegistryKind::Text:
            return a.text == b.text;
        case RegistryKind::Binary:
            return a.binary == b.binary;
    }
    return false;
}

// ---- writing ----

const char kHex[] = "0123456789abcdef";

void AppendHex4(std::u16string& out, unsigned v) {
    for (int shift = 12; shift >= 0; shift -= 4) out.push_back(kHex[(v >> shift) & 0xF]);
}

// Quoted with \\ and \" escaped; control characters and broken surrogates become \uXXXX,
// so any UTF-16 text survives the trip through a UTF-8 file.
void AppendQuoted(std::u16string& out, std::u16string_view text) {
    out.push_back(u'"');
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\\' || c == u'"') {
            out.push_back(u'\\');
            out.push_back(c);
        } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                   text[i + 1] <= 0xDFFF) {
            out.push_back(c);
            out.push_back(text[++i]);
        } else if (c < 0x20 || (c >= 0x7F && c < 0xA0) || (c >= 0xD800 && c <= 0xDFFF)) {
            out += u"\\u";
            AppendHex4(out, c);
        } else {
            out.push_back(c);
        }
    }
    out.push_back(u'"');
}

void AppendValue(std::u16string& out, const NamedValue& v) {
    if (v.name.empty()) {
        out.push_back(u'@');
    } else {
        AppendQuoted(out, v.name);
    }
    out.push_back(u'=');
    switch (v.value.kind) {
        case RegistryKind::Integer:
            out += u"dword:";
            AppendHex4(out, v.value.integer >> 16);
            AppendHex4(out, v.value.integer & 0xFFFF);
            break;
        case RegistryKind::Text:
            AppendQuoted(out, v.value.text);
            break;
        case RegistryKind::Binary:
            out += u"hex:";
            for (std::size_t i = 0; i < v.value.binary.size(); ++i) {
                if (i != 0) out.push_back(u',');
                out.push_back(kHex[v.value.binary[i] >> 4]);
                out.push_back(kHex[v.value.binary[i] & 0xF]);
            }
            break;
    }
    out.push_back(u'\n');
}

// A key gets a section when it holds values or nothing at all (so empty keys survive);
// a key with only subkeys is implied by their sections.
void AppendKey(std::u16string& out, const Key& key, const std::u16string& path) {
    if (!key.values.empty() || key.children.empty()) {
        out += u"[" + path + u"]\n";
        for (const NamedValue& v : key.values) AppendValue(out, v);
        out.push_back(u'\n');
    }
    for (const Key& child : key.children) AppendKey(out, child, path + u"\\" + child.name);
}

std::string Serialize(const Key& root) {
    std::u16string text = u"REGEDIT4\n\n";
    for (const Key& top : root.children) AppendKey(text, top, top.name);
    return ToUtf8(text);
}

// ---- reading ----

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// Reads a quoted string starting at line[pos] == '"'; pos ends after the closing quote.
bool ParseQuoted(std::u16string_view line, std::size_t& pos, std::u16string& out) {
    out.clear();
    if (pos >= line.size() || line[pos] != u'"') return false;
    ++pos;
    while (pos < line.size()) {
        char16_t c = line[pos++];
        if (c == u'"') return true;
        if (c != u'\\') {
            out.push_back(c);
            continue;
        }
        if (pos >= line.size()) return false;
        char16_t e = line[pos++];
        if (e == u'\\' || e == u'"') {
            out.push_back(e);
        } else if (e == u'u') {
            if (pos + 4 > line.size()) return false;
            unsigned v = 0;
            for (int i = 0; i < 4; ++i) {
                int d = HexDigit(line[pos++]);
                if (d < 0) return false;
                v = v * 16 + static_cast<unsigned>(d);
            }
            out.push_back(static_cast<char16_t>(v));
        } else {
            return false;
        }
    }
    return false;  // the closing quote is missing: a line cut short
}

bool ParseHexBytes(std::u16string_view list, std::vector<std::uint8_t>& out) {
    out.clear();
    if (list.empty()) return true;
    std::size_t pos = 0;
    for (;;) {
        if (pos + 2 > list.size()) return false;
        int hi = HexDigit(list[pos]), lo = HexDigit(list[pos + 1]);
        if (hi < 0 || lo < 0) return false;
        out.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
        pos += 2;
        if (pos == list.size()) return true;
        if (list[pos] != u',') return false;
        ++pos;
    }
}

struct Parser {
    std::vector<std::u16string> lines;
    std::size_t next = 0;
    std::string problem;

    bool Fail(std::size_t lineIndex, const char* what) {
        problem = "line " + std::to_string(lineIndex + 1) + ": " + what;
        return false;
    }

    bool ParseValueLine(std::size_t index, std::u16string_view line, NamedValue& out) {
        std::size_t pos = 0;
        if (!line.empty() && line[0] == u'@') {
            out.name.clear();
            pos = 1;
        } else if (!ParseQuoted(line, pos, out.name)) {
            return Fail(index, "value name not closed");
        }
        if (pos >= line.size() || line[pos] != u'=') return Fail(index, "'=' missing");
        std::u16string_view data = line.substr(pos + 1);
        if (!data.empty() && data[0] == u'"') {
            std::size_t p = 0;
            out.value.kind = RegistryKind::Text;
            if (!ParseQuoted(data, p, out.value.text)) return Fail(index, "text not closed");
            if (p != data.size()) return Fail(index, "characters after the text");
            return true;
        }
        if (data.substr(0, 6) == u"dword:") {
            std::u16string_view digits = data.substr(6);
            if (digits.size() != 8) return Fail(index, "dword needs 8 hex digits");
            std::uint32_t v = 0;
            for (char16_t c : digits) {
                int d = HexDigit(c);
                if (d < 0) return Fail(index, "bad dword digit");
                v = v * 16 + static_cast<std::uint32_t>(d);
            }
            out.value.kind = RegistryKind::Integer;
            out.value.integer = v;
            return true;
        }
        if (data.substr(0, 4) == u"hex:") {
            // Long lists may continue on following lines after a trailing ",\".
            std::u16string list(data.substr(4));
            while (!list.empty() && list.back() == u'\\') {
                list.pop_back();
                if (next >= lines.size()) return Fail(index, "hex list cut short");
                std::u16string_view more = lines[next++];
                std::size_t lead = more.find_first_not_of(u' ');
                if (lead == std::u16string_view::npos) return Fail(next - 1, "hex list cut short");
                list += more.substr(lead);
            }
            out.value.kind = RegistryKind::Binary;
            if (!ParseHexBytes(list, out.value.binary)) return Fail(index, "bad hex list");
            return true;
        }
        return Fail(index, "unknown value syntax");
    }

    bool Parse(const std::vector<std::uint8_t>& bytes, Key& root) {
        std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        if (raw.substr(0, 3) == "\xEF\xBB\xBF") raw.remove_prefix(3);
        if (raw.empty() || raw.back() != '\n') {
            problem = "the file ends in the middle of a line";
            return false;
        }
        std::u16string text = FromUtf8(raw);
        if (ToUtf8(text) != raw) {
            problem = "the file is not UTF-8 text";
            return false;
        }
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find(u'\n', start);
            std::u16string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == u'\r') line.pop_back();
            lines.push_back(std::move(line));
            start = end + 1;
        }
        if (lines.empty() || lines[0] != u"REGEDIT4") {
            problem = "the REGEDIT4 header is missing";
            return false;
        }
        Key* current = nullptr;
        next = 1;
        while (next < lines.size()) {
            std::size_t index = next++;
            const std::u16string& line = lines[index];
            for (char16_t c : line) {
                if (c < 0x20 || c == 0x7F) return Fail(index, "control character");
            }
            if (line.empty() || line[0] == u';') continue;
            if (line[0] == u'[') {
                KeyPath path;
                if (line.back() != u']' || line.size() < 3 ||
                    !SplitKeyPath(std::u16string_view(line).substr(1, line.size() - 2), path)) {
                    return Fail(index, "bad section line");
                }
                current = &MakeKey(root, path);
                continue;
            }
            if (current == nullptr) return Fail(index, "value outside a section");
            NamedValue value;
            if (!ParseValueLine(index, line, value)) return false;
            if (NamedValue* existing = FindValue(*current, value.name)) {
                existing->value = std::move(value.value);
            } else {
                current->values.push_back(std::move(value));
            }
        }
        return true;
    }
};

bool CreateFolders(const std::string& filePath) {
    std::size_t slash = filePath.rfind('/');
    if (slash == std::string::npos || slash == 0) return true;
    std::string folder = filePath.substr(0, slash);
    for (std::size_t pos = 1; pos <= folder.size(); ++pos) {
        if (pos != folder.size() && folder[pos] != '/') continue;
        std::string prefix = folder.substr(0, pos);
        if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
    return IsDirectory(folder);
}

std::string DefaultRegistryPath() {
    if (const char* p = std::getenv("ROAMQUILL_REGISTRY"); p != nullptr && *p != '\0') return p;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x != nullptr && *x == '/') {
        return JoinPath(x, "roamquill/registry.reg");
    }
    const char* home = std::getenv("HOME");
    return JoinPath(home != nullptr && *home != '\0' ? home : ".",
                    ".config/roamquill/registry.reg");
}

}  // namespace

struct RegistryStore::Impl {
    struct State {
        std::string path;
        Key root;
        std::string problem;
        // The corrupt file could not be renamed yet: nothing is written until it is.
        bool setAsidePending = false;
    };

    mutable std::mutex mutex;
    State state;

    void Load() {
        std::vector<std::uint8_t> bytes;
        if (!ReadWholeFile(state.path, bytes)) {
            if (errno == ENOENT || !PathExists(state.path)) return;
            Reject(std::string("it could not be read (") + std::strerror(errno) + ")");
            return;
        }
        Parser parser;
        Key root;
        if (!parser.Parse(bytes, root)) {
            Reject("it is damaged (" + parser.problem + ")");
            return;
        }
        state.root = std::move(root);
    }

    void Reject(const std::string& why) {
        std::string badPath;
        state.problem = "The settings file " + state.path + " was not used: " + why + ". ";
        if (SetAsideFile(state.path, badPath)) {
            state.problem += "It was kept as " + badPath + "; the settings start empty.";
        } else {
            state.setAsidePending = true;
            state.problem +=
                "It could not be renamed, so the settings start empty and are not saved.";
        }
    }

    // Writes `root` through and adopts it; the store keeps what the file holds on failure.
    bool Commit(Key root) {
        if (state.setAsidePending) {
            std::string badPath;
            if (!SetAsideFile(state.path, badPath)) return false;
            state.setAsidePending = false;
        }
        std::string bytes = Serialize(root);
        if (!CreateFolders(state.path) ||
            !WriteFileAtomically(state.path, bytes.data(), bytes.size())) {
            return false;
        }
        state.root = std::move(root);
        return true;
    }

    bool Set(std::u16string_view keyPath, std::u16string_view name, RegistryValue value) {
        KeyPath path;
        if (!SplitKeyPath(keyPath, path)) return false;
        std::lock_guard<std::mutex> lock(mutex);
        if (const Key* key = FindKey(state.root, path)) {
            if (NamedValue* v = FindValue(const_cast<Key&>(*key), name);
                v != nullptr && SameValue(v->value, value)) {
                return true;
            }
        }
        Key root = state.root;
        Key& key = MakeKey(root, path);
        if (NamedValue* v = FindValue(key, name)) {
            v->value = std::move(value);
        } else {
            key.values.push_back(NamedValue{std::u16string(name), std::move(value)});
        }
        return Commit(std::move(root));
    }
};

RegistryStore::RegistryStore(std::string filePath) : impl_(std::make_unique<Impl>()) {
    impl_->state.path = std::move(filePath);
    impl_->Load();
}

RegistryStore::~RegistryStore() = default;

bool RegistryStore::CreateKey(std::u16string_view keyPath) {
    KeyPath path;
    if (!SplitKeyPath(keyPath, path)) return false;
    std::lock_guard<std::mutex> lock(impl_->mutex);
    if (FindKey(impl_->state.root, path) != nullptr) return true;
    Key root = impl_->state.root;
    MakeKey(root, path);
    return impl_->Commit(std::move(root));
}

bool RegistryStore::KeyExists(std::u16string_view keyPath) const {
    KeyPath path;
    if (!SplitKeyPath(keyPath, path)) return false;
    std::lock_guard<std::mutex> lock(impl_->mutex);
    return FindKey(impl_->state.root, path) != nullptr;
}

std::optional<RegistryValue> RegistryStore::GetValue(std::u16string_view keyPath,
                                                     std::u16string_view name) const {
    KeyPath path;
    if (!SplitKeyPath(keyPath, path)) return std::nullopt;
    std::lock_guard<std::mutex> lock(impl_->mutex);
    const Key* key = FindKey(impl_->state.root, path);
    if (key == nullptr) return std::nullopt;
    const NamedValue* v = FindValue(const_cast<Key&>(*key), name);
    if (v == nullptr) return std::nullopt;
    return v->value;
}

bool RegistryStore::SetInteger(std::u16string_view keyPath, std::u16string_view name,
                               std::uint32_t value) {
    RegistryValue v;
    v.kind = RegistryKind::Integer;
    v.integer = value;
    return impl_->Set(keyPath, name, std::move(v));
}

bool RegistryStore::SetText(std::u16string_view keyPath, std::u16string_view name,
                            std::u16string_view value) {
    RegistryValue v;
    v.kind = RegistryKind::Text;
    v.text = value;
    return impl_->Set(keyPath, name, std::move(v));
}

bool RegistryStore::SetBinary(std::u16string_view keyPath, std::u16string_view name,
                              const std::vector<std::uint8_t>& value) {
    RegistryValue v;
    v.kind = RegistryKind::Binary;
    v.binary = value;
    return impl_->Set(keyPath, name, std::move(v));
}

bool RegistryStore::DeleteValue(std::u16string_view keyPath, std::u16string_view name) {
    KeyPath path;
    if (!SplitKeyPath(keyPath, path)) return false;
    std::lock_guard<std::mutex> lock(impl_->mutex);
    const Key* found = FindKey(impl_->state.root, path);
    if (found == nullptr || FindValue(const_cast<Key&>(*found), name) == nullptr) return false;
    Key root = impl_->state.root;
    Key& key = MakeKey(root, path);
    for (auto it = key.values.begin(); it != key.values.end(); ++it) {
        if (EqualsNoCase(it->name, name)) {
            key.values.erase(it);
            break;
        }
    }
    return impl_->Commit(std::move(root));
}

std::vector<std::u16string> RegistryStore::ValueNames(std::u16string_view keyPath) const {
    std::vector<std::u16string> names;
    KeyPath path;
    if (!SplitKeyPath(keyPath, path)) return names;
    std::lock_guard<std::mutex> lock(impl_->mutex);
    if (const Key* key = FindKey(impl_->state.root, path)) {
        for (const NamedValue& v : key->values) names.push_back(v.name);
    }
    return names;
}

std::string RegistryStore::TakeLoadProblem() {
    std::lock_guard<std::mutex> lock(impl_->mutex);
    return std::exchange(impl_->state.problem, std::string());
}

const std::string& RegistryStore::FilePath() const {
    // The path changes only when OpenRegistry reopens the process-wide store.
    std::lock_guard<std::mutex> lock(impl_->mutex);
    return impl_->state.path;
}

namespace {
std::mutex gRegistryMutex;
std::unique_ptr<RegistryStore> gRegistry;
}  // namespace

RegistryStore& Registry() {
    std::lock_guard<std::mutex> lock(gRegistryMutex);
    if (!gRegistry) gRegistry = std::make_unique<RegistryStore>(DefaultRegistryPath());
    return *gRegistry;
}

void OpenRegistry(const std::string& filePath) {
    std::lock_guard<std::mutex> lock(gRegistryMutex);
    if (!gRegistry) {
        gRegistry = std::make_unique<RegistryStore>(filePath);
        return;
    }
    // References handed out earlier stay valid: the store's contents are exchanged
    // under its own lock, so a keeper reading settings meanwhile sees one or the other.
    RegistryStore fresh(filePath);
    std::lock_guard<std::mutex> storeLock(gRegistry->impl_->mutex);
    std::swap(gRegistry->impl_->state, fresh.impl_->state);
}

}  // namespace rq::platform
