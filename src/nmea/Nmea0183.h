// The sentence dispatcher: validates a line, finds the decoder of its type and lets
// it parse. One object per worker thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
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
    // The same for a line cut without its line end: "\r\n" is appended in place.
    void SetSentenceLine(std::u16string_view withoutLineEnd) {
        sentence_.AssignLine(withoutLineEnd);
    }
    // The same for a line as the port's bytes, converted from the ANSI code page.
    void SetSentenceBytes(std::string_view withoutLineEnd) {
        sentence_.AssignAnsiLine(withoutLineEnd);
    }
    const SENTENCE& Sentence() const { return sentence_; }
    // Starts with '$' and ends with CR LF.
    bool IsGood() const {
        const std::u16string& t = sentence_.Text();
        return t.size() >= 3 && t[0] == u'$' && t[t.size() - 2] == u'\r' &&
               t[t.size() - 1] == u'\n';
    }
    // The decoder that parsed the sentence, or nullptr.
    RESPONSE* Parse();
    // Limits decoding to the decoders of these mnemonics, for a reader that uses a few
    // types of a busy receiver: a sentence of another type is accepted or refused as
    // Parse would, but its decoder keeps its fields and it has no plain-English text.
    // An empty list decodes every type again. With `fixFieldsOnly` the listed decoders
    // also skip what the fix never reads (RESPONSE::SetFixFieldsOnly), and no sentence
    // has a plain-English text.
    void DecodeOnly(std::initializer_list<std::u16string_view> mnemonics,
                    bool fixFieldsOnly = false);

    // The decoder of a mnemonic among those taking part in dispatch, or nullptr.
    RESPONSE* Find(std::u16string_view mnemonic) const;
    int DecoderCount() const { return static_cast<int>(table_.size()); }
    const RESPONSE& DecoderAt(int index) const { return *table_[index]; }

    // Result texts.
    std::u16string errorMessage;
    std::u16string lastSentenceIdParsed;
    std::u16string lastSentenceIdReceived;
    std::u16string talkerId;
    std::u16string expandedTalkerId;
    // The plain-English text of the last parsed sentence, made when first asked for:
    // a receiver's stream is parsed many times more often than anyone reads it.
    const std::u16string& PlainEnglish() const;

private:
    // A failed parse leaves a decoder's fields alone, so the last successful decoder
    // still holds what the text is made from.
    mutable const RESPONSE* plainPending_ = nullptr;
    mutable std::u16string plainEnglish_;
    SENTENCE sentence_;
    std::unique_ptr<DecoderSet> decoders_;
    std::vector<RESPONSE*> table_;                // sorted by mnemonic
    std::vector<std::u16string_view> mnemonics_;  // the table's mnemonics, for the search
    std::vector<const RESPONSE*> decodeOnly_;     // empty: every decoder
    struct FoundDecoder {
        std::uint64_t key = ~std::uint64_t{0};  // no mnemonic packs to this
        RESPONSE* decoder = nullptr;
        bool decode = true;  // Parse, or only Check (see DecodeOnly)
    };
    const FoundDecoder& Lookup(std::u16string_view mnemonic) const;
    mutable FoundDecoder uncached_;  // the answer for a mnemonic too long to keep
    static constexpr unsigned kFoundBits = 6;
    static constexpr std::size_t kFoundSlots = std::size_t{1} << kFoundBits;
    mutable FoundDecoder found_[kFoundSlots];
    // The talker table's description of an identifier (nullptr when unknown).
    const char16_t* Describe(std::u16string_view talker);
    struct KnownTalker {
        std::uint32_t key = 0;
        const char16_t* description = nullptr;
        bool used = false;
    };
    static constexpr std::size_t kKnownTalkers = 4;
    KnownTalker knownTalkers_[kKnownTalkers];
};

}  // namespace rq
