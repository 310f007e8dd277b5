// What the SMS worker hands to its windows for one received datagram (message 2025).
// It lives on the worker's stack: the user data is valid only while the message is
// being handled.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rq {

inline constexpr std::size_t kRecordAddressUnits = 64;

struct ReceivedMessageRecord {
    char16_t senderAddress[kRecordAddressUnits] = {};
    std::uint32_t senderPort = 0;
    char16_t destinationAddress[kRecordAddressUnits] = {};
    std::uint32_t destinationPort = 0;
    const std::uint8_t* userData = nullptr;
    std::uint32_t userDataSize = 0;

    // The sender's address up to its first zero unit (all 64 units when there is none).
    std::u16string SenderAddress() const {
        std::size_t n = 0;
        while (n < kRecordAddressUnits && senderAddress[n] != 0) ++n;
        return std::u16string(senderAddress, n);
    }
};

}  // namespace rq
