// The sentence dispatcher: validates a line, finds the decoder of its type and lets
// it parse. One object per worker thread.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "nmea/Response.h"
#include "nmea/Sentence.h"

namespace rq {

struct DecoderSet;

class NMEA0183 {
public:
    NMEA0183();
    ~NMEA0183();
    NMEA0183(const NMEA0183&) = delete;
    NMEA0183& operator=(const NMEA0183&) = delete;

    // The keepers pass each line with "\r\n" appended.
    void SetSentence(std::u16string_view text);
    const SENTENCE& Sentence() const { return sentence_; }
    // Starts with '$' and ends with CR LF.
    bool IsGood() const;
    // The decoder that parsed the sentence, or nullptr.
    RESPONSE* Parse();

    // The decoder of a mnemonic among those taking part in dispatch, or nullptr.
    RESPONSE* Find(std::u16string_view mnemonic) const;
    int DecoderCount() const { return static_cast<int>(table_.size()); }
    const RESPONSE& DecoderAt(int index) const { return *table_[index]; }

    // Result texts.
    std::u16string errorMessage;
    std::u16string lastSentenceIdParsed;
    std::u16string lastSentenceIdReceived;
    std::u16string plainEnglish;
    std::u16string talkerId;
    std::u16string expandedTalkerId;

private:
    SENTENCE sentence_;
    std::unique_ptr<DecoderSet> decoders_;
    std::vector<RESPONSE*> table_;  // sorted by mnemonic
};

}  // namespace rq
