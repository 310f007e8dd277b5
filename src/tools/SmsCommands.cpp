// sms-send and sms-listen: one position datagram out, or every datagram that arrives on
// the bind address printed as JSON.
#include <poll.h>

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>

#include "app/Settings.h"
#include "friends/PositionMessage.h"
#include "friends/SendSms.h"
#include "platform/Files.h"
#include "platform/Owner.h"
#include "platform/Text.h"
#include "platform/Wdp.h"
#include "tools/Json.h"
#include "tools/SmsJson.h"
#include "tools/ToolCommand.h"
#include "view/GpsViewData.h"
#include "view/ModelFiles.h"
#include "view/ReceivedMessages.h"

namespace rq::tool {
namespace {

using namespace platform;

// "--key value" pairs; every key takes a value.
std::optional<std::map<std::string, std::string>> ParseOptions(
    const char* command, const std::vector<std::string>& args,
    std::initializer_list<const char*> known) {
    std::map<std::string, std::string> out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        bool ok = false;
        for (const char* k : known) ok = ok || args[i] == k;
        if (!ok) {
            UsageError(command, "unknown argument '" + args[i] + "'");
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            UsageError(command, args[i] + " needs a value");
            return std::nullopt;
        }
        out[args[i]] = args[i + 1];
        ++i;
    }
    return out;
}

bool ParseDouble(const std::string& text, double& out) {
    const char* end = text.data() + text.size();
    auto r = std::from_chars(text.data(), end, out);
    return r.ec == std::errc() && r.ptr == end;
}

bool ParseLatLon(const std::string& text, double& lat, double& lon) {
    const std::size_t comma = text.find(',');
    return comma != std::string::npos && ParseDouble(text.substr(0, comma), lat) &&
           ParseDouble(text.substr(comma + 1), lon);
}

bool ParseInt(const std::string& text, long long& out) {
    const char* end = text.data() + text.size();
    auto r = std::from_chars(text.data(), end, out);
    return r.ec == std::errc() && r.ptr == end;
}

void UseBindAddress(const std::string& bind) {
    WdpSettings s = GetWdpSettings();
    s.bindAddress = bind;
    SetWdpSettings(s);
}

int SmsSend(const std::vector<std::string>& args) {
    const char* cmd = "sms-send";
    auto o =
        ParseOptions(cmd, args,
                     {"--bind", "--to", "--position", "--alt", "--course", "--speed", "--hdop",
                      "--sats-view", "--sats-used", "--name", "--text", "--at", "--poi", "--type"});
    if (!o) return 2;
    auto& opt = *o;
    if (!opt.count("--bind") || !opt.count("--to"))
        return UsageError(cmd, "--bind ADDR and --to NUMBER are required");
    const int kinds =
        int(opt.count("--position")) + int(opt.count("--text")) + int(opt.count("--poi"));
    if (kinds != 1) return UsageError(cmd, "give exactly one of --position, --text, --poi");

    const TimeValue now = NowUtc();
    std::vector<std::uint8_t> message;
    if (opt.count("--position")) {
        PositionReport r;
        if (!ParseLatLon(opt["--position"], r.latitude, r.longitude))
            return UsageError(cmd, "--position wants LAT,LON");
        const std::pair<const char*, double*> numbers[] = {{"--alt", &r.altitude},
                                                           {"--course", &r.course},
                                                           {"--speed", &r.speedKnots},
                                                           {"--hdop", &r.hdop}};
        for (auto [key, target] : numbers)
            if (opt.count(key) && !ParseDouble(opt[key], *target))
                return UsageError(cmd, std::string(key) + " wants a number");
        const std::pair<const char*, int*> counts[] = {{"--sats-view", &r.satellitesInView},
                                                       {"--sats-used", &r.satellitesUsed}};
        for (auto [key, target] : counts) {
            long long v = 0;
            if (opt.count(key) && !ParseInt(opt[key], v))
                return UsageError(cmd, std::string(key) + " wants a whole number");
            *target = static_cast<int>(v);
        }
        // The device owner's name, as the application sends it, unless --name says otherwise.
        const std::u16string name = opt.count("--name") ? FromUtf8(opt["--name"]) : GetOwnerName();
        message = MakePositionMessage(r, name, now);
    } else {
        double lat = 0, lon = 0;
        if (!opt.count("--at") || !ParseLatLon(opt["--at"], lat, lon))
            return UsageError(cmd, "--at LAT,LON is required with --text and --poi");
        if (opt.count("--text")) {
            message = MakePositionTextMessage(
                lat, lon, CleanMessageText(FromUtf8(opt["--text"])).substr(0, 40), now);
        } else {
            long long type = 0;
            if (opt.count("--type") &&
                (!ParseInt(opt["--type"], type) || type < 0 || type > 0xFFFFFFFFLL))
                return UsageError(cmd, "--type wants a POI type number");
            message = MakePoiMessage(lat, lon, static_cast<std::uint32_t>(type),
                                     FromUtf8(opt["--poi"]).substr(0, 40), now);
        }
    }

    UseBindAddress(opt["--bind"]);
    const std::u16string to = FromUtf8(opt["--to"]);
    if (!SendSms(to, message.data(), message.size())) {
        std::fprintf(stderr, "roamquill-tool sms-send: sending to '%s' failed\n",
                     opt["--to"].c_str());
        return 1;
    }
    JsonLine line;
    line.Field("event", "sent").Field("to", to);
    AddMessageFields(line, message.data(), message.size());
    line.Print();
    return 0;
}

// The model of a data folder: friend tracks, position texts and the local POI file (the
// "Last Loaded Poi" setting, else "received.poi"), saved where changed at the end.
struct ListenModel {
    CGpsViewData data;
    std::string poiPath;

    bool Open(std::string dir) {
        if (dir.empty() || !IsDirectory(dir)) {
            std::fprintf(stderr, "roamquill-tool sms-listen: %s is not a folder\n", dir.c_str());
            return false;
        }
        if (dir.back() != '/') dir += '/';
        SetProgramFolder(dir);
        LoadSavedTracks(data);
        LoadDefaultPositionTexts(data.positionTexts);
        std::u16string poiName = GetLastLoadedPoi();
        if (poiName.empty()) poiName = u"received.poi";
        data.localPois.name = poiName;
        poiPath = data.localPois.FilePath();
        if (PathExists(poiPath) && !data.localPois.LoadFrom(poiPath)) {
            std::fprintf(stderr, "roamquill-tool sms-listen: cannot load %s\n", poiPath.c_str());
            return false;
        }
        data.localPois.SetModified(false, true);
        return true;
    }
    bool SaveChanges() {
        bool ok = SaveModifiedTracks(data);
        ok = SaveDefaultPositionTexts(data.positionTexts) && ok;
        if (data.localPois.IsModified()) {
            const std::string folder = JoinPath(ProgramFolder(), "pois");
            if (!PathExists(folder)) CreateFolder(folder);
            if (!data.localPois.SaveTo(poiPath)) {
                std::fprintf(stderr, "roamquill-tool sms-listen: cannot save %s\n",
                             poiPath.c_str());
                ok = false;
            }
        }
        return ok;
    }
};

volatile std::sig_atomic_t g_stop = 0;
void OnSignal(int) {
    g_stop = 1;
}

int SmsListen(const std::vector<std::string>& args) {
    const char* cmd = "sms-listen";
    auto o = ParseOptions(cmd, args, {"--bind", "--data-dir", "--count"});
    if (!o) return 2;
    auto& opt = *o;
    if (!opt.count("--bind")) return UsageError(cmd, "--bind ADDR is required");
    long long count = -1;
    if (opt.count("--count") && (!ParseInt(opt["--count"], count) || count < 1))
        return UsageError(cmd, "--count wants a positive number");

    std::unique_ptr<ListenModel> model;
    if (opt.count("--data-dir")) {
        model = std::make_unique<ListenModel>();
        if (!model->Open(opt["--data-dir"])) return 1;
    }
    CNoDisplay display;

    UseBindAddress(opt["--bind"]);
    WapHandle handle = nullptr;
    Waitable* event = nullptr;
    if (!WapOpen(kWapLayerWdp, kSmsReceivePort, &handle, &event)) {
        std::fprintf(stderr, "roamquill-tool sms-listen: cannot open port %u on %s\n",
                     kSmsReceivePort, opt["--bind"].c_str());
        return 1;
    }
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    JsonLine()
        .Field("event", "listening")
        .Field("bind", opt["--bind"])
        .Field("port", kSmsReceivePort)
        .Print();

    long long received = 0;
    while (!g_stop && (count < 0 || received < count)) {
        pollfd p{event->PollFd(), POLLIN, 0};
        if (poll(&p, 1, 200) <= 0) continue;
        std::size_t size = 0;
        if (!WapGetNextPrimitiveSize(handle, &size)) continue;
        std::vector<std::uint8_t> buffer(size);
        WdpUnitData prim;
        if (!WapRead(handle, buffer.data(), buffer.size(), prim)) continue;
        ++received;
        JsonLine line;
        line.Field("event", "received")
            .Field("from", WapAddressText(prim.source))
            .Field("from_port", prim.sourcePort)
            .Field("to", WapAddressText(prim.destination))
            .Field("to_port", prim.destinationPort);
        AddMessageFields(line, prim.userData, prim.userDataSize);
        if (model)
            line.Field("applied", HandleReceivedMessage(model->data, WapAddressText(prim.source),
                                                        prim.userData, prim.userDataSize, display));
        line.Print();
    }
    WapClose(handle);
    if (model && !model->SaveChanges()) return 1;
    return 0;
}

ToolCommand sendCommand(
    "sms-send",
    "--bind ADDR --to NUMBER (--position LAT,LON [--alt M --course D --speed KN --hdop H "
    "--sats-view N --sats-used N --name NAME] | --text TEXT --at LAT,LON | --poi NAME --type T "
    "--at LAT,LON)",
    "send one position, position text or POI datagram to NUMBER", SmsSend);
ToolCommand listenCommand("sms-listen", "--bind ADDR [--data-dir DIR] [--count N]",
                          "print each datagram received on ADDR port 2001; with --data-dir "
                          "apply it to the friend tracks, position texts and local POIs there "
                          "and save what changed at the end",
                          SmsListen);

}  // namespace
}  // namespace rq::tool
