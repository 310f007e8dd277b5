// The common base of the two GPS sources (serial receiver and log player): the
// current-fix record, and the three notifications of message 2024.
#pragma once

#include <memory>

#include "keepers/GpsPosition.h"
#include "keepers/Keeper.h"
#include "keepers/PositionMessage.h"

namespace rq {

class NMEA0183;
class RESPONSE;

class CGpsKeeper : public CKeeper {
public:
    // A heap copy of the fix for every live window (code 1), then the changed mask is
    // cleared, so each copy carries the changes since the previous post.
    virtual void PostPosition();
    virtual void PostConnectionLost();  // code 2
    virtual void PostSourceEnded();     // code 3
    // Merges one decoded sentence into the fix record.
    virtual void HandleSentence(const RESPONSE& response);
    // Lets `parser` decode only the types HandleSentence merges, and of those only the
    // fields it reads; the others are still checked, and still count as sentences
    // received. For a parser whose decoders nobody else reads.
    static void DecodeMergedTypesOnly(NMEA0183& parser);

    // The record; written only by the worker while it runs.
    CGpsPosition& Position() { return position_; }
    const CGpsPosition& Position() const { return position_; }

protected:
    virtual std::unique_ptr<platform::MessagePayload> MakePositionPayload() const;

private:
    void PostCode(std::uintptr_t code);
    CGpsPosition position_;
};

}  // namespace rq
