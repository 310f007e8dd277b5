#include "keepers/SmsKeeper.h"

#include <algorithm>
#include <vector>

#include "platform/Wdp.h"
#include "platform/Window.h"
#include "resources/MessageIds.h"

namespace rq {

using namespace platform;

namespace {
constexpr std::uint32_t kReceivePort = 2001;

void CopyAddress(char16_t (&to)[kRecordAddressUnits], const WapAddress& from) {
    std::copy(from.address, from.address + std::min(kRecordAddressUnits, kWapAddressUnits), to);
}

// A copy of the record and of the bytes it points to travels with message 2025: a send
// given up at a stop request may still be handled while the worker has moved on.
struct ReceivedDatagram : MessagePayload {
    ReceivedMessageRecord record;
    std::vector<std::uint8_t> bytes;
};
}  // namespace

CSmsKeeper::CSmsKeeper() {
    workerFunction_ = &Work;
}

CSmsKeeper::~CSmsKeeper() {
    wake_.Set();
    StopAndJoin();
}

bool CSmsKeeper::Start(WindowHandle window, ThreadPriority priority) {
    if (IsRunning()) return false;
    wake_.Reset();
    return CKeeper::Start(window, priority);
}

bool CSmsKeeper::Stop(std::uint32_t timeoutMs) {
    wake_.Set();
    return CKeeper::Stop(timeoutMs);
}

void CSmsKeeper::SendToWindows(const ReceivedMessageRecord& record) {
    auto datagram = std::make_unique<ReceivedDatagram>();
    datagram->record = record;
    if (record.userData != nullptr) {
        datagram->bytes.assign(record.userData, record.userData + record.userDataSize);
        datagram->record.userData = datagram->bytes.data();
    }
    WindowMessage m;
    m.id = kMsgSmsReceived;
    m.wParam = reinterpret_cast<std::uintptr_t>(&datagram->record);
    m.payload = std::move(datagram);
    for (WindowHandle w : Windows()) {
        if (!IsWindow(w)) continue;
        // A stop request ends the wait: the owner thread may be the one stopping us.
        if (SendMessage(w, m, wake_) == SendResult::GivenUp) return;
    }
}

void CSmsKeeper::Work(CKeeper& keeper) {
    static_cast<CSmsKeeper&>(keeper).Receive();
}

void CSmsKeeper::Receive() {
    const bool owns = AcquireRunning();
    WapHandle handle = nullptr;
    Waitable* message = nullptr;
    if (owns && WapOpen(kWapLayerWdp, kReceivePort, &handle, &message)) {
        // One datagram at a time, straight from the socket: a flood fills the socket's
        // own bounded queue and the rest is dropped there, never queued here.
        std::vector<std::uint8_t> buffer;
        for (;;) {
            const int which = WaitForAny({&wake_, message}, kInfinite);
            if (which == 0) {
                // Stop sets the keeper's stop event right after this one.
                if (WaitForStop(kInfinite)) break;
                continue;
            }
            if (which != 1) continue;
            std::size_t size = 0;
            if (!WapGetNextPrimitiveSize(handle, &size)) continue;
            buffer.assign(size, 0);
            WdpUnitData p;
            if (!WapRead(handle, buffer.data(), buffer.size(), p)) continue;
            if (p.primitiveId != kWapPrimitiveUnitData ||
                p.primitiveType != kWapPrimitiveIndication ||
                !(p.validFields & kWapFieldUserData) || p.userData == nullptr)
                continue;
            ReceivedMessageRecord record;
            CopyAddress(record.senderAddress, p.source);
            record.senderPort = p.sourcePort;
            CopyAddress(record.destinationAddress, p.destination);
            record.destinationPort = p.destinationPort;
            record.userData = p.userData;
            record.userDataSize = p.userDataSize;
            SendToWindows(record);
            // A big datagram does not keep its buffer for the rest of the run.
            if (buffer.capacity() > 4096) std::vector<std::uint8_t>().swap(buffer);
        }
        WapClose(handle);
    }
    MarkEnded();
    SignalFinished(owns);
}

}  // namespace rq
