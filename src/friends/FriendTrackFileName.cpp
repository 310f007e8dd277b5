#include "friends/FriendTrackFileName.h"

#include <algorithm>
#include <cstdint>

#include "platform/Text.h"

namespace rq {

// Escape form: "%" and four upper-case hex digits of the UTF-16 unit. "%" and "~" are
// always escaped, so a literal "~" marks the hashed form of an address too long to keep.
namespace {
constexpr std::size_t kMaxEscapedBytes = 150;

bool Plain(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           c == u'+' || c == u'-' || c == u'_' || c == u'#' || c == u'*' || c == u'.';
}

void AppendEscape(std::string& out, char16_t c) {
    static const char digits[] = "0123456789ABCDEF";
    out.push_back('%');
    for (int shift = 12; shift >= 0; shift -= 4) out.push_back(digits[(c >> shift) & 15]);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

namespace {
// The escaped form of `id`; `keptUnits` tells how many units fit the short limit.
std::string Escape(std::u16string_view id, std::size_t& keptUnits) {
    std::string name;
    keptUnits = 0;
    for (std::size_t i = 0; i < id.size(); ++i) {
        const char16_t c = id[i];
        // A dot first would hide the file; dots in a row are kept from ever reading "..".
        const bool dotRisk = c == u'.' && (i == 0 || id[i - 1] == u'.');
        if (Plain(c) && !dotRisk)
            name.push_back(static_cast<char>(c));
        else
            AppendEscape(name, c);
        if (name.size() <= kMaxEscapedBytes && i < 127) keptUnits = i + 1;
    }
    return name;
}
}  // namespace

std::string FriendTrackFileName(std::u16string_view ownerId) {
    std::size_t keptUnits = 0;
    std::string name = Escape(ownerId, keptUnits);
    // An empty address would give the hidden name ".trk": it takes the hashed form too.
    if (ownerId.empty() || ownerId.size() > 127 || name.size() > kMaxEscapedBytes) {
        name = Escape(ownerId.substr(0, keptUnits), keptUnits);
        std::uint64_t hash = 0xcbf29ce484222325ull;  // FNV-1a over the units' bytes
        for (char16_t c : ownerId) {
            hash = (hash ^ (c & 0xFF)) * 0x100000001b3ull;
            hash = (hash ^ (c >> 8)) * 0x100000001b3ull;
        }
        static const char digits[] = "0123456789abcdef";
        name.push_back('~');
        for (int shift = 60; shift >= 0; shift -= 4) name.push_back(digits[(hash >> shift) & 15]);
    }
    return name + ".trk";
}

std::u16string OwnerIdFromFriendTrackFileName(std::string_view fileName) {
    if (fileName.size() >= 4 && fileName.substr(fileName.size() - 4) == ".trk")
        fileName.remove_suffix(4);
    if (const std::size_t tilde = fileName.find('~'); tilde != std::string_view::npos)
        fileName = fileName.substr(0, tilde);
    std::u16string id;
    std::string literal;  // names written by hand are UTF-8
    for (std::size_t i = 0; i < fileName.size(); ++i) {
        if (fileName[i] == '%' && i + 4 < fileName.size()) {
            int v = 0;
            bool ok = true;
            for (std::size_t k = 1; k <= 4; ++k) {
                const int h = HexValue(fileName[i + k]);
                ok = ok && h >= 0;
                v = v * 16 + (h < 0 ? 0 : h);
            }
            if (ok) {
                id += platform::FromUtf8(literal);
                literal.clear();
                id.push_back(static_cast<char16_t>(v));
                i += 4;
                continue;
            }
        }
        literal.push_back(fileName[i]);
    }
    return id + platform::FromUtf8(literal);
}

std::vector<std::string> FriendTrackFilesToLoad(std::vector<std::string> fileNames) {
    std::sort(fileNames.begin(), fileNames.end());
    fileNames.erase(std::unique(fileNames.begin(), fileNames.end()), fileNames.end());
    auto isOwnName = [](const std::string& name) {
        return FriendTrackFileName(OwnerIdFromFriendTrackFileName(name)) == name;
    };
    std::vector<std::string> chosen;
    std::vector<std::u16string> owners;
    // Own names first, so a twin is only taken for an owner none of them stands for.
    for (const bool ownNames : {true, false}) {
        for (const std::string& name : fileNames) {
            if (isOwnName(name) != ownNames) continue;
            std::u16string owner = OwnerIdFromFriendTrackFileName(name);
            if (std::find(owners.begin(), owners.end(), owner) != owners.end()) continue;
            owners.push_back(std::move(owner));
            chosen.push_back(name);
        }
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

}  // namespace rq
