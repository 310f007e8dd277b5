// Every other decoder: the sample sentence of its file parses, and what it writes
// parses back to the same sentence.
#include <gtest/gtest.h>

#include "nmea/Nmea0183.h"
#include "nmea/TestLines.h"

using namespace rq;

namespace {
struct Sample {
    const char* mnemonic;
    const char* line;
};
constexpr Sample kSamples[] = {
    {"AAM", "$GPAAM,A,A,0.10,N,WPTNME*32"},
    {"ALM", "$GPALM,1,1,15,1159,00,441d,4e,16be,fd5e,a10c9f,4a2da4,686e81,58cbe1,0a4,001*77"},
    {"APB", "$GPAPB,A,A,0.10,R,N,V,V,011,M,DEST,011,M,011,M*3C"},
    {"ASD", "$APASD,A,A,A,A,A*2A"},
    {"BEC", "$GPBEC,081837,,,,,,T,,M,,N,*01"},
    {"BOD", "$GPBOD,097.0,T,103.2,M,POINTB,POINTA*4A"},
    {"BWC", "$GPBWC,220516,5130.02,N,00046.34,W,213.8,T,218.0,M,0004.6,N,EGLM*21"},
    {"BWR", "$GPBWR,220516,5130.02,N,00046.34,W,213.8,T,218.0,M,0004.6,N,EGLM*30"},
    {"BWW", "$GPBWW,097.0,T,103.2,M,POINTB,POINTA*41"},
    {"DBT", "$IIDBT,0012.3,f,0003.7,M,0002.0,F*27"},
    {"DCN", "$GPDCN,05,A,12.5,A,B,18.8,A,C,11.2,A,A,A,A,0.03,N,1*62"},
    {"DPT", "$SDDPT,3.6,0.0*52"},
    {"FSI", "$CTFSI,020230,026140,m,5*11"},
    {"GLC", "$GPGLC,7980,11790.04,A,26904.31,A,41539.70,A,,,,,,*26"},
    {"GTD", "$GPGTD,11790.04,26904.31,41539.70,,*7E"},
    {"GXA", "$GPGXA,161229.15,4124.8963,N,08151.6838,W,WPT01,12*37"},
    {"GXF", "$GPGXF,161229.15,4124.8963,N,08151.6838,W,WPT01,12*30"},
    {"GXP", "$GPGXP,161229.15,4124.8963,N,08151.6838,W,WPT01*09"},
    {"HCC", "$HCHCC,225.5*41"},
    {"HDG", "$HCHDG,98.3,0.0,E,12.6,W*57"},
    {"HDM", "$HCHDM,238.5,M*25"},
    {"HDT", "$HEHDT,274.07,T*19"},
    {"HSC", "$APHSC,274.1,T,270.2,M*57"},
    {"IMA", "$GPIMA,SEASTAR,WXY123,4124.8963,N,08151.6838,W,274.1,T,270.2,M,12.5,N*19"},
    {"LCD", "$LCLCD,7980,100,20,090,15,080,12,,,,,,*5B"},
    {"MHU", "$WIMHU,45.2,8.1,12.3,C*29"},
    {"MTA", "$WIMTA,21.5,C*1D"},
    {"MTW", "$YXMTW,17.75,C*26"},
    {"MWV", "$WIMWV,214.8,R,0.1,K,A*28"},
    {"OLN", "$OMOLN,AB,590,45,BC,210,12,CD,477,80*57"},
    {"OSD", "$RAOSD,035.5,A,036.0,B,12.4,B,,,N*77"},
    {"RMA", "$LCRMA,A,4124.8963,N,08151.6838,W,11790.04,26904.31,5.2,270.0,12.6,W*55"},
    {"RMB", "$GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V*20"},
    {"ROT", "$HEROT,-2.3,A*07"},
    {"RPM", "$ERRPM,S,1,1200.0,85.0,A*59"},
    {"RSA", "$IIRSA,10.5,A,,V*4D"},
    {"RSD", "$RARSD,0.0,0.0,2.5,45.0,,,,,1.2,30.5,6.0,N,N*51"},
    {"SFI", "$CTSFI,1,1,156800,m,156300,m,,,,,,,,*40"},
    {"STN", "$GPSTN,01*73"},
    {"TEP", "$TRTEP,45.0,D*1C"},
    {"TRF", "$TRTRF,161229.15,230394,4124.8963,N,08151.6838,W,45.0,3,12,0.5,12,A*0C"},
    {"TTM", "$RATTM,11,11.4,13.6,T,7.0,20.0,T,0.0,0.0,N,,T,,,A*1C"},
    {"VBW", "$IIVBW,5.8,0.1,A,5.9,0.1,A*42"},
    {"VDR", "$IIVDR,10.1,T,12.3,M,1.2,N*3A"},
    {"VHW", "$SDVHW,,T,,M,5.94,N,11.00,K*7A"},
    {"VLW", "$SDVLW,1123.9,N,13.6,N*56"},
    {"VPW", "$IIVPW,4.5,N,2.3,M*52"},
    {"VWE", "$IIVWE,85*65"},
    {"WCV", "$GPWCV,5.2,N,WPT01*4C"},
    {"WDC", "$GPWDC,12.5,N,WPT01*6F"},
    {"WDR", "$GPWDR,12.5,N,WPT01*7E"},
    {"WNC", "$GPWNC,200.00,N,370.40,K,Dest,Origin*58"},
    {"WPL", "$GPWPL,4917.16,N,12310.64,W,003*65"},
    {"XTE", "$GPXTE,A,A,0.67,L,N*6F"},
    {"XTR", "$GPXTR,0.67,L,N*78"},
    {"GDA", "$GPGDA,161229.15,4124.8963,N,08151.6838,W,WPT01*04"},
    {"GDF", "$GPGDF,161229.15,4124.8963,N,08151.6838,W,WPT01*03"},
    {"GDP", "$GPGDP,161229.15,4124.8963,N,08151.6838,W,WPT01*15"},
    {"GLA", "$GPGLA,161229.15,4124.8963,N,08151.6838,W,WPT01*0C"},
    {"GLF", "$GPGLF,161229.15,4124.8963,N,08151.6838,W,WPT01*0B"},
    {"GLP", "$GPGLP,161229.15,4124.8963,N,08151.6838,W,WPT01*1D"},
    {"GOA", "$GPGOA,161229.15,4124.8963,N,08151.6838,W,WPT01*0F"},
    {"GOF", "$GPGOF,161229.15,4124.8963,N,08151.6838,W,WPT01*08"},
    {"GOP", "$GPGOP,161229.15,4124.8963,N,08151.6838,W,WPT01*1E"},
    {"ZFI", "$GPZFI,172814,041200,WPT01*32"},
    {"ZFO", "$GPZFO,172814,041200,WPT01*34"},
    {"ZLZ", "$GPZLZ,172814,122814,05*77"},
    {"ZPI", "$GPZPI,172814,193000,WPT01*28"},
    {"ZTA", "$GPZTA,172814,193000,WPT01*24"},
    {"ZTE", "$GPZTE,172814,002000,WPT01*29"},
    {"ZTG", "$GPZTG,145832.12,042359.17,WPT01*25"},
    {"ZTI", "$GPZTI,172814,002000,WPT01*25"},
    {"ZWP", "$GPZWP,172814,193000,WPT01*36"},
    {"ZZU", "$GPZZU,172814*67"},
    {"P", "$PGRME,15.0,M,45.0,M,25.0,M*1C"},
    {"RTE", "$GPRTE,2,1,c,0,PBRCPK,PBRTO,PTELGR,PPLAND,PYAMBU,PPFAIR,PWARRN,PMORTL,PLISMR*73"},
    {"XDR", "$IIXDR,C,19.52,C,TempAir,P,1.02481,B,Barometer*7E"},
};
}  // namespace
TEST(Decoders, EverySampleParsesAndWritesBack) {
    NMEA0183 nmea;
    NMEA0183 again;
    for (const Sample& s : kSamples) {
        const std::u16string mnemonic = platform::Widen(s.mnemonic);
        const bool dispatched = mnemonic != u"GOA" && mnemonic != u"GOF" && mnemonic != u"GOP";
        nmea.SetSentence(test::Crlf(s.line));
        RESPONSE* r = nmea.Parse();
        if (!dispatched) {
            EXPECT_EQ(r, nullptr) << s.line;
            EXPECT_EQ(nmea.errorMessage, mnemonic + u" is an unknown type of sentence");
            continue;
        }
        ASSERT_NE(r, nullptr) << s.line << ": " << platform::ToUtf8(nmea.errorMessage);
        EXPECT_EQ(r->mnemonic, mnemonic) << s.line;
        EXPECT_TRUE(r->IsMnemonic(platform::Widen(s.mnemonic)));

        SENTENCE written;
        ASSERT_TRUE(r->Write(written)) << s.line;
        EXPECT_EQ(written.IsChecksumBad(0), ChecksumResult::NotBad) << s.line;
        again.SetSentence(written.Text());
        RESPONSE* back = again.Parse();
        ASSERT_NE(back, nullptr) << platform::ToUtf8(written.Text());
        SENTENCE rewritten;
        back->Write(rewritten);
        EXPECT_EQ(rewritten.Text(), written.Text()) << s.line;
        EXPECT_EQ(back->PlainEnglish(), r->PlainEnglish()) << s.line;

        // A bad checksum is refused by every decoder.
        std::u16string broken = test::Crlf(s.line);
        broken[broken.size() - 3] = broken[broken.size() - 3] == u'0' ? u'1' : u'0';
        nmea.SetSentence(broken);
        EXPECT_EQ(nmea.Parse(), nullptr) << s.line;
        EXPECT_EQ(nmea.errorMessage, r->mnemonic + u", Invalid Checksum") << s.line;
    }
}
