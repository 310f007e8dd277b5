#include <gtest/gtest.h>
#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "keepers/CommKeeper.h"
#include "keepers/SentenceCutter.h"
#include "nmea/Nmea0183.h"
#include "platform/PortMap.h"
#include "platform/QueueWindow.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "support/Sentence.h"
#include "support/TempFolder.h"

namespace rq {
namespace {

std::string Gga(const char* time, const char* alt) {
    return test::Sentence(std::string("GPGGA,") + time + ",5130.1920,N,00009.1680,W,1,06,0.9," +
                          alt + ",M,47.0,M,,") +
           "\r\n";
}

// A window that looks at the keeper at the very moment code 2 is posted to it, on the
// posting thread, as a view reacting to the loss would find it.
class LossWitness : public platform::MessageTarget {
public:
    explicit LossWitness(CCommKeeper& keeper) : keeper_(keeper) {}
    void Queue(platform::WindowMessage message) override {
        if (message.wParam != kPositionConnectionLost) return;
        recording = keeper_.IsRecording();
        portOpen = keeper_.Port().IsOpen();
        lost = true;
    }
    bool Deliver(std::shared_ptr<platform::Delivery>) override { return false; }

    std::atomic<bool> lost{false}, recording{true}, portOpen{true};

private:
    CCommKeeper& keeper_;
};

// A receiver on the far side of a pseudo-terminal, and a keeper polling every 5 ms
// on a tick count the test moves; it posts to a queue and to a loss witness.
class Receiver : public ::testing::Test {
protected:
    void SetUp() override {
        char name[128];
        int slave = -1;
        ASSERT_EQ(::openpty(&master_, &slave, name, nullptr, nullptr), 0);
        ::close(slave);  // it would keep the line up after a hang-up
        path_ = name;
        keeper_.SetTickSource([this] { return ticks_.load(); });
        keeper_.SetPollInterval(5);
        keeper_.AttachWindow(window_.Handle());
        keeper_.AttachWindow(witnessWindow_);
        ASSERT_TRUE(Open(4800));
        ASSERT_TRUE(keeper_.Start(platform::kNoWindow, platform::ThreadPriority::Normal));
    }
    bool Open(std::uint32_t baud) {
        return keeper_.OpenPort(platform::FromUtf8(path_), baud, 8, false, 0,
                                platform::kTwoStopBits, 10, 10, 10, 10, 10);
    }
    void TearDown() override {
        EXPECT_TRUE(keeper_.Stop(5000));
        keeper_.ClosePort();
        if (master_ >= 0) ::close(master_);
        platform::UnregisterWindow(witnessWindow_);
    }
    void Send(const std::string& bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        platform::Sleep(60);  // several polls pass
    }
    // Codes received so far; fixes' altitudes in `altitudes_`.
    std::vector<std::uintptr_t> Drain(std::uint32_t waitMs = 0) {
        std::vector<std::uintptr_t> codes;
        while (window_.PumpOne(
            [&](platform::WindowMessage& m) {
                codes.push_back(m.wParam);
                if (const CGpsPosition* fix = PositionOf(m)) altitudes_.push_back(fix->altitude);
            },
            codes.empty() ? waitMs : 0)) {
        }
        return codes;
    }

    int master_ = -1;
    std::string path_;
    std::atomic<std::uint32_t> ticks_{100000};
    platform::QueueWindow window_;
    CCommKeeper keeper_;
    std::shared_ptr<LossWitness> witness_ = std::make_shared<LossWitness>(keeper_);
    platform::WindowHandle witnessWindow_ = platform::RegisterWindow(witness_);
    std::vector<double> altitudes_;
    test::TempFolder dir_;
};

using Codes = std::vector<std::uintptr_t>;

TEST_F(Receiver, CutsParsesAndPostsAtMostOnceASecond) {
    std::string gga = Gga("140509", "12.5");
    // Split across polls: nothing until the line end arrives.
    Send("noise before $" + gga.substr(0, 20));
    EXPECT_EQ(Drain(), Codes{});
    Send(gga.substr(20));
    EXPECT_EQ(Drain(1000), Codes{1});
    EXPECT_EQ(altitudes_, std::vector<double>{12.5});

    // Within the same second nothing more is posted.
    Send(Gga("140510", "13"));
    EXPECT_EQ(Drain(), Codes{});
    // Two sentences in one poll, a second later: one post.
    ticks_ += 1000;
    Send(Gga("140511", "14") + Gga("140512", "15"));
    EXPECT_EQ(Drain(1000), Codes{1});
    EXPECT_EQ(altitudes_.back(), 14.0);

    Send("$GPXXX,no checksum here\r\n");
    EXPECT_EQ(Drain(), Codes{});
    ticks_ += 1000;
    Send(Gga("140513", "16"));
    EXPECT_EQ(Drain(1000), Codes{1});
    EXPECT_TRUE(keeper_.Stop(5000));
    // After the worker is gone its record may be read: both of the pair were merged.
    EXPECT_EQ(keeper_.Position().altitude, 16.0);
}

// Silence past the limit and a hang-up (a line error) both end the worker with code 2,
// posted only once the port is closed and the recording stopped, so that a view
// reconnecting at once finds the port free and no recording left.
TEST_F(Receiver, SilenceAndHangUpAreALostConnection) {
    for (const bool hangUp : {false, true}) {
        SCOPED_TRACE(hangUp ? "hang-up" : "silence");
        witness_->lost = false;
        witness_->recording = witness_->portOpen = true;
        ASSERT_TRUE(keeper_.StartRecording(dir_ / "lost.nmea"));
        Send(Gga(hangUp ? "140510" : "140509", "1"));
        EXPECT_EQ(Drain(1000), Codes{1});
        if (hangUp) {
            ::close(master_);
            master_ = -1;
        } else {
            ticks_ += 30000;  // not more than the limit yet
            platform::Sleep(30);
            EXPECT_TRUE(keeper_.IsRunning());
            ticks_ += 1;
        }
        EXPECT_EQ(Drain(2000), Codes{2});
        for (int i = 0; i < 500 && keeper_.IsRunning(); ++i) platform::Sleep(5);
        EXPECT_FALSE(keeper_.IsRunning());
        EXPECT_TRUE(witness_->lost);
        EXPECT_FALSE(witness_->recording);
        EXPECT_FALSE(witness_->portOpen);
        EXPECT_TRUE(keeper_.Stop(0));
        if (hangUp) break;
        // It can be started again on a reopened port.
        ASSERT_TRUE(Open(9600));
        ASSERT_TRUE(keeper_.Start(platform::kNoWindow, platform::ThreadPriority::Normal));
    }
}

TEST_F(Receiver, RecordsTheBytesExactly) {
    std::string path = dir_ / "exact.nmea";
    test::WriteText(path, "old content that must go, and it is longer than what comes\n");
    ASSERT_TRUE(keeper_.StartRecording(path));
    EXPECT_TRUE(keeper_.IsRecording());
    EXPECT_FALSE(keeper_.StartRecording(path));  // already recording
    std::string bytes =
        "junk\x01\xff" + Gga("140509", "1") + std::string("\0zero$GP", 8) + Gga("140510", "2");
    Send(bytes.substr(0, 30));
    Send(bytes.substr(30));
    EXPECT_EQ(Drain(5000), Codes{1});  // the bytes were recorded before the post
    EXPECT_TRUE(keeper_.StopRecording());
    EXPECT_FALSE(keeper_.IsRecording());
    EXPECT_EQ(test::ReadText(path), bytes);
    EXPECT_TRUE(keeper_.StopRecording());
    // The recorder's file may be replaced while the keeper runs; a second recording
    // to the same name empties it again.
    ASSERT_TRUE(keeper_.StartRecording(path));
    Send("abc");
    EXPECT_TRUE(keeper_.StopRecording());
    EXPECT_EQ(test::ReadText(path), "abc");
    EXPECT_FALSE(keeper_.StartRecording("/no/such/folder/x.nmea"));
}

TEST_F(Receiver, FullDiskStopsRecordingButNotParsing) {
    std::string path = dir_ / "full.nmea";
    ASSERT_TRUE(keeper_.StartRecording(path));
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    // Each fix is posted after its bytes went to the recorder, so waiting for the post
    // waits for the write as well. The first 72 bytes fit, the next do not.
    std::vector<Codes> codes;
    std::vector<bool> recording;
    const std::pair<const char*, const char*> fixes[] = {
        {"140509", "1"}, {"140510", "2"}, {"140511", "3"}};
    for (const auto& [time, alt] : fixes) {
        Send(Gga(time, alt));
        codes.push_back(Drain(5000));
        recording.push_back(keeper_.IsRecording());
        ticks_ += 1000;
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(recording, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(codes, (std::vector<Codes>(3, Codes{1})));
    EXPECT_EQ(altitudes_, (std::vector<double>{1, 2, 3}));
    EXPECT_TRUE(keeper_.IsRunning());
    std::string recorded = test::ReadText(path);
    EXPECT_LE(recorded.size(), 100u);
    EXPECT_EQ(recorded.substr(0, Gga("140509", "1").size()), Gga("140509", "1"));
}

std::string RecordOf(const CGpsPosition& f) {
    std::string record;
    for (double v : {f.m_lat.value, f.m_lon.value, double(f.time), f.altitude, f.speed, f.course,
                     f.courseMagnetic, f.hdop, f.vdop, f.pdop, double(f.fixValid),
                     double(f.gpsQuality), double(f.fixMode), double(f.selectionMode),
                     double(f.satellitesUsed), double(f.satellitesInView), double(f.changedMask)})
        record += std::to_string(v) + " ";
    for (const CSatellite& s : f.satellites)
        record += std::to_string(s.prn) + "/" + std::to_string(s.elevation) + "/" +
                  std::to_string(s.azimuth) + "/" + std::to_string(s.snr) + "/" +
                  std::to_string(s.used) + " ";
    return record;
}

// The keeper's road (the port's bytes indexed as they come, only the merged types
// decoded) gives the fix that cutting the text and decoding every sentence gives, however
// the port splits the bytes into reads: the demo log in reads of 1, 7, 512 and all bytes,
// checked at its end, and every corpus log after every read of 512.
TEST(CommKeeperTest, FixesAsWithEverySentenceDecodedWhateverTheReads) {
    const std::string demo = RQ_SOURCE_DIR "/samples/demo.nmea";
    std::vector<std::string> logs = {demo};
    std::error_code ignored;
    for (const auto& e :
         std::filesystem::directory_iterator(RQ_SOURCE_DIR "/../shared/nmea-corpus", ignored))
        if (e.path().extension() == ".nmea") logs.push_back(e.path().string());
    for (const std::string& path : logs) {
        const std::string log = test::ReadText(path);
        ASSERT_FALSE(log.empty()) << path;
        const std::vector<std::size_t> sizes = {1, 7, 512, log.size()};
        for (std::size_t size : path == demo ? sizes : std::vector<std::size_t>{512}) {
            CCommKeeper keeper, reference;
            keeper.SetTickSource([] { return 0u; });
            keeper.Position().Reset();
            reference.Position().Reset();
            CSentenceCutter cutter;
            NMEA0183 everything;
            for (std::size_t at = 0; at < log.size(); at += size) {
                const std::size_t n = std::min(size, log.size() - at);
                ASSERT_TRUE(keeper.TakeBytes(log.data() + at, n));
                cutter.Append(log.data() + at, n);
                for (std::u16string text; cutter.Cut(text);) {
                    everything.SetSentence(text + u"\r\n");
                    if (RESPONSE* response = everything.Parse())
                        reference.HandleSentence(*response);
                }
                if (path != demo || at + n == log.size()) {
                    ASSERT_EQ(RecordOf(keeper.Position()), RecordOf(reference.Position()))
                        << path << " in reads of " << size << " @" << at;
                }
            }
            if (path == demo) {
                EXPECT_EQ(RecordOf(keeper.Position()).substr(0, 20), "51.503202 -0.152797 ");
            }
        }
    }
}

TEST_F(Receiver, PortMapResolvesNamesAndTheKeeperOpensThroughIt) {
    ASSERT_TRUE(keeper_.Stop(5000));
    keeper_.ClosePort();
    platform::OpenRegistry(dir_ / "map.reg");
    // First use fills the map from the devices present (none need exist here).
    EXPECT_FALSE(platform::Registry().KeyExists(platform::kPortMapKey));
    platform::ResolvePortName(u"COM1:");
    EXPECT_TRUE(platform::Registry().KeyExists(platform::kPortMapKey));
    ASSERT_TRUE(platform::SetPortMapping(u"COM3:", path_));
    // Names fold case, device paths stand for themselves, unmapped names resolve to nothing.
    EXPECT_EQ(platform::ResolvePortName(u"com3:").value_or(""), path_);
    EXPECT_EQ(platform::ResolvePortName(u"/dev/ttyUSB3").value_or(""), "/dev/ttyUSB3");
    EXPECT_FALSE(platform::ResolvePortName(u"COM17:").has_value());
    for (const std::string& d : platform::DetectSerialDevices()) EXPECT_EQ(d.rfind("/dev/", 0), 0u);
    EXPECT_TRUE(
        keeper_.OpenPort(u"COM3:", 38400, 8, false, 0, platform::kTwoStopBits, 10, 10, 10, 10, 10));
    EXPECT_EQ(keeper_.PortName(), u"COM3:");
    // Open twice fails; an unmapped name fails.
    EXPECT_FALSE(keeper_.OpenPort(u"COM3:", 38400, 8, false, 0, 2, 10, 10, 10, 10, 10));
    keeper_.ClosePort();
    EXPECT_FALSE(keeper_.OpenPort(u"COM16:", 4800, 8, false, 0, 2, 10, 10, 10, 10, 10));
    EXPECT_FALSE(keeper_.OpenPort(u"COM3:", 1234, 8, false, 0, 2, 10, 10, 10, 10, 10));
    EXPECT_FALSE(keeper_.Port().IsOpen());
}

}  // namespace
}  // namespace rq
