// Why a serial port did not open, in words a user can act on: the device is missing,
// the account may not use it (and the command that fixes that), or another program
// holds it (gpsd or ModemManager, say).
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace rq::platform {

struct PortHolder {
    pid_t pid;
    std::string program;  // the process's command name
};

// The processes other than this one that have `devicePath` open, from /proc.
std::vector<PortHolder> FindPortHolders(const std::string& devicePath);

// `portName` as the user chose it ("COM3"); `devicePath` empty when the name maps to
// no device; `error` the errno of the failed open. English text, several sentences.
std::string ExplainPortOpenFailure(const std::string& portName, const std::string& devicePath,
                                   int error);

}  // namespace rq::platform
