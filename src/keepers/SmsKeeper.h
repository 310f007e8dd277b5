// The keeper that listens for position datagrams on WDP port 2001 and sends each one to
// its windows as message 2025.
#pragma once

#include "keepers/Keeper.h"
#include "keepers/ReceivedMessageRecord.h"
#include "platform/Kernel.h"

namespace rq {

class CSmsKeeper : public CKeeper {
public:
    CSmsKeeper();
    ~CSmsKeeper() override;

    bool Start(platform::WindowHandle window, platform::ThreadPriority priority) override;
    bool Stop(std::uint32_t timeoutMs) override;
    // Sends message 2025 (wParam = a copy of the record, valid during the call) to every
    // live window and returns when each has handled it, or at once when the keeper is
    // asked to stop.
    virtual void SendToWindows(const ReceivedMessageRecord& record);

private:
    static void Work(CKeeper& keeper);
    void Receive();

    // The worker sleeps on the datagram socket and this event together: a stop request
    // sets it before the keeper's own stop event, so the wait ends at once.
    platform::Event wake_{true, false};
};

}  // namespace rq
