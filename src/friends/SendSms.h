// Sending one position datagram to one friend's number through the WDP layer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "resources/StringIds.h"

namespace rq {

inline constexpr std::uint32_t kSmsSendPort = 2000;
inline constexpr std::uint32_t kSmsReceivePort = 2001;

// Opens port 2000, sends one unit-data primitive to port 2001 of `number` and closes the
// handle whatever the send gave. A number of 64 units or more does not fit the address
// field and fails the send.
bool SendSms(std::u16string_view number, const std::uint8_t* message, std::size_t size);

class CFriendInfo;

// Sends `message` to each friend in order, with the wait cursor shown; after each failure
// shows `failureMessage` (its "%s %s" filled with the friend's number and name) and goes
// on with the next friend. Returns how many datagrams went out.
std::size_t SendToFriends(const std::vector<CFriendInfo*>& friends,
                          const std::vector<std::uint8_t>& message, StringId failureMessage);

}  // namespace rq
