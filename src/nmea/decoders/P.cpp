#include "nmea/decoders/P.h"

namespace rq {

P::P() : RESPONSE(u"P") {
    Empty();
}

void P::Empty() {
    manufacturer.mnemonic.clear();
    manufacturer.companyName.clear();
    sentence.clear();
}

bool P::Parse(const SENTENCE& s) {
    if (!BeginParse(s, s.FieldCount())) return false;
    const std::u16string& text = s.Text();
    // Field 0 starts after the '$' with the 'P'.
    const std::u16string_view address = s.Field(0);
    const std::u16string_view code = address.substr(1, 3);
    manufacturer.mnemonic.assign(code);
    manufacturer.companyName.assign(LookUpManufacturer(code));
    std::size_t begin = 1 + 1 + code.size();
    std::size_t end = begin;
    while (end < text.size() && text[end] != u'*' && text[end] != u'\r' && text[end] != u'\n')
        ++end;
    sentence.assign(begin <= text.size() ? std::u16string_view(text).substr(begin, end - begin)
                                         : std::u16string_view());
    return true;
}

bool P::Write(SENTENCE& s) const {
    std::u16string address = u"P";
    address += manufacturer.mnemonic;
    address += sentence;
    s.Begin(address);
    s.Finish();
    return true;
}

void P::AppendPlainEnglish(std::u16string& out) const {
    out += u"Proprietary sentence of ";
    out += manufacturer.companyName.empty() ? manufacturer.mnemonic : manufacturer.companyName;
}

}  // namespace rq
