#include "nmea/Nmea0183.h"

#include <cstring>
#include <utility>

#include "nmea/BoundedSearch.h"
#include "nmea/DecoderSet.h"
#include "nmea/TalkerTable.h"

namespace rq {

NMEA0183::NMEA0183() : decoders_(std::make_unique<DecoderSet>()) {
    decoders_->ForEachDispatched([this](RESPONSE& r) { table_.push_back(&r); });
    // Adjacent swaps until a pass makes none.
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (std::size_t i = 1; i < table_.size(); ++i) {
            if (table_[i]->mnemonic < table_[i - 1]->mnemonic) {
                std::swap(table_[i], table_[i - 1]);
                swapped = true;
            }
        }
    }
    for (RESPONSE* r : table_) {
        r->SetContainer(this);
        mnemonics_.push_back(r->mnemonic);
    }
}

NMEA0183::~NMEA0183() = default;

void NMEA0183::SetSentence(std::u16string_view text) {
    sentence_.Assign(text);
}

const NMEA0183::FoundDecoder& NMEA0183::Lookup(std::u16string_view mnemonic) const {
    // A receiver repeats a handful of types: their answers are kept by the packed
    // characters of the mnemonic (at most three, as the dispatcher cuts them).
    std::uint64_t key = mnemonic.size();
    if (mnemonic.size() <= 3)
        for (char16_t c : mnemonic) key = key << 16 | c;
    // Multiplicative hashing spreads the twenty-odd types of a busy receiver; the
    // simple folds let types such as GSV and HDG share a slot and evict each other.
    FoundDecoder& slot = found_[(key * 0x9E3779B97F4A7C15u) >> (64 - kFoundBits)];
    if (mnemonic.size() <= 3 && slot.key == key) return slot;
    const int i = nmea::BoundedSearch(mnemonic, mnemonics_.data(), static_cast<int>(table_.size()));
    RESPONSE* decoder = i < 0 ? nullptr : table_[i];
    bool decode = decodeOnly_.empty();
    for (const RESPONSE* wanted : decodeOnly_) decode |= wanted == decoder;
    if (mnemonic.size() > 3) {
        uncached_ = FoundDecoder{key, decoder, decode};
        return uncached_;
    }
    slot = FoundDecoder{key, decoder, decode};
    return slot;
}

RESPONSE* NMEA0183::Find(std::u16string_view mnemonic) const {
    return Lookup(mnemonic).decoder;
}

namespace {
// Equality without the general comparison: the texts compared here are a few
// characters long and mostly equal.
bool Same(const std::u16string& a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < b.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// Assignment of a text as short as a mnemonic: the characters copied in place when the
// length stays, without the general replacement.
void AssignShort(std::u16string& a, std::u16string_view b) {
    if (a.size() != b.size()) {
        a.assign(b);
        return;
    }
    for (std::size_t i = 0; i < b.size(); ++i) a[i] = b[i];
}

// The same with a literal: its known length makes the comparison a few word compares.
template <std::size_t N>
bool Same(const std::u16string& a, const char16_t (&b)[N]) {
    return a.size() == N - 1 && std::memcmp(a.data(), b, (N - 1) * sizeof(char16_t)) == 0;
}

}  // namespace

RESPONSE* NMEA0183::Parse() {
    if (!IsGood()) return nullptr;
    const std::u16string_view address = sentence_.Field(0);
    std::u16string_view mnemonic;
    if (!address.empty() && address[0] == u'P')
        mnemonic = u"P";
    else
        mnemonic = address.size() > 3 ? address.substr(address.size() - 3) : address;

    // Short texts, mostly of the same length: copied in place.
    AssignShort(lastSentenceIdReceived, mnemonic);

    const FoundDecoder& found = Lookup(mnemonic);
    RESPONSE* const decoder = found.decoder;
    const bool decode = found.decode;
    if (!decoder) {
        errorMessage.assign(mnemonic);
        errorMessage.append(u" is an unknown type of sentence");
        return nullptr;
    }
    if (!(decode ? decoder->Parse(sentence_) : decoder->Check(sentence_))) {
        errorMessage = decoder->errorMessage;
        return nullptr;
    }
    static constexpr char16_t kNoError[] = u"No Error";
    if (!Same(errorMessage, kNoError)) errorMessage.assign(kNoError);
    AssignShort(lastSentenceIdParsed, decoder->mnemonic);
    const std::u16string& text = sentence_.Text();
    const std::u16string_view talker =
        text.size() > 2 ? std::u16string_view(text).substr(1, 2) : std::u16string_view();
    // Receivers repeat one talker, so the table is only consulted when it changes.
    if (!Same(talkerId, talker) || expandedTalkerId.empty()) {
        talkerId.assign(talker);
        AssignTalkerText(expandedTalkerId, talker, Describe(talker));
    }
    // A decoder that skipped fields has nothing whole to tell.
    const bool whole = decode && !decoder->FixFieldsOnly();
    plainPending_ = whole ? decoder : nullptr;
    if (!whole) plainEnglish_.clear();
    return decoder;
}

void NMEA0183::DecodeOnly(std::initializer_list<std::u16string_view> mnemonics,
                          bool fixFieldsOnly) {
    decodeOnly_.clear();
    for (RESPONSE* decoder : table_) decoder->SetFixFieldsOnly(false);
    for (std::u16string_view m : mnemonics) {
        if (RESPONSE* decoder = Find(m)) {
            decodeOnly_.push_back(decoder);
            decoder->SetFixFieldsOnly(fixFieldsOnly);
        }
    }
    // The remembered answers carry the old choice.
    for (FoundDecoder& slot : found_) slot = FoundDecoder{};
}

const char16_t* NMEA0183::Describe(std::u16string_view talker) {
    // A receiver of several systems alternates a few talkers ("GP", "GL", "GN"); the
    // last ones looked up are remembered, most recent first.
    std::uint32_t key = 0;
    for (char16_t c : talker) key = key << 16 | c;
    if (talker.size() == 2) {
        for (std::size_t i = 0; i < kKnownTalkers; ++i) {
            if (knownTalkers_[i].key == key && knownTalkers_[i].used) {
                const KnownTalker found = knownTalkers_[i];
                for (std::size_t k = i; k > 0; --k) knownTalkers_[k] = knownTalkers_[k - 1];
                knownTalkers_[0] = found;
                return found.description;
            }
        }
    }
    const char16_t* description = TalkerDescription(talker);
    if (talker.size() == 2) {
        for (std::size_t k = kKnownTalkers - 1; k > 0; --k) knownTalkers_[k] = knownTalkers_[k - 1];
        knownTalkers_[0] = KnownTalker{key, description, true};
    }
    return description;
}

const std::u16string& NMEA0183::PlainEnglish() const {
    if (plainPending_) {
        plainEnglish_.clear();
        plainPending_->AppendPlainEnglish(plainEnglish_);
        plainPending_ = nullptr;
    }
    return plainEnglish_;
}

}  // namespace rq
