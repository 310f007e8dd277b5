// libFuzzer entry: any bytes as one line through the dispatcher, as the keepers pass
// it (with CR LF) and as it came; what the keepers would parse is merged into a fix
// record that lives across inputs, as a receiver's sentences are. The same bytes also
// take the serial keeper's own road (cutter, byte indexing, the decoders in the mode
// that reads only what the fix uses), as a port delivers them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "keepers/CommKeeper.h"
#include "keepers/GpsKeeper.h"
#include "nmea/Nmea0183.h"
#include "platform/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static rq::NMEA0183 nmea;
    static rq::CGpsKeeper keeper;
    std::u16string text =
        rq::platform::FromAnsi(std::string_view(reinterpret_cast<const char*>(data), size));
    nmea.SetSentence(text);
    if (rq::RESPONSE* r = nmea.Parse()) {
        rq::SENTENCE written;
        r->Write(written);
    }
    text += u"\r\n";
    nmea.SetSentence(text);
    if (rq::RESPONSE* r = nmea.Parse()) {
        rq::SENTENCE written;
        r->Write(written);
        (void)r->PlainEnglish();
        keeper.HandleSentence(*r);
    }
    static rq::CCommKeeper serial;
    serial.SetTickSource([] { return 0u; });
    serial.TakeBytes(reinterpret_cast<const char*>(data), size);
    serial.TakeBytes("\r\n", 2);
    return 0;
}
