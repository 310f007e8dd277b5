#include "friends/SendSms.h"

#include "app/StringTable.h"
#include "friends/FriendList.h"
#include "platform/MessageBox.h"
#include "platform/Wdp.h"

namespace rq {

using namespace platform;

bool SendSms(std::u16string_view number, const std::uint8_t* message, std::size_t size) {
    WdpUnitData p;
    p.primitiveId = kWapPrimitiveUnitData;
    p.primitiveType = kWapPrimitiveRequest;
    p.validFields = kWapFieldSourceAddress | kWapFieldSourcePort | kWapFieldDestinationAddress |
                    kWapFieldDestinationPort | kWapFieldUserData;
    // Checked before the port is opened: a number that does not fit is never cut.
    if (!SetWapAddress(p.source, kWapAddressGsm, number) ||
        !SetWapAddress(p.destination, kWapAddressGsm, number) || size > 0xFFFFFFFFu)
        return false;
    p.sourcePort = kSmsSendPort;
    p.destinationPort = kSmsReceivePort;
    p.userData = message;
    p.userDataSize = static_cast<std::uint32_t>(size);

    WapHandle handle = nullptr;
    if (!WapOpen(kWapLayerWdp, kSmsSendPort, &handle, nullptr)) return false;
    const bool sent = WapSend(handle, p);
    WapClose(handle);
    return sent;
}

std::size_t SendToFriends(const std::vector<CFriendInfo*>& friends,
                          const std::vector<std::uint8_t>& message, StringId failureMessage) {
    WaitCursor wait;
    std::size_t sent = 0;
    for (const CFriendInfo* f : friends) {
        if (SendSms(f->number, message.data(), message.size()))
            ++sent;
        else
            ShowStringMessage(failureMessage, MessageIcon::Information, {f->number, f->name});
    }
    return sent;
}

}  // namespace rq
