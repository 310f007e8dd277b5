#include "platform/PortDiagnosis.h"

#include <dirent.h>
#include <grp.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace rq::platform {

namespace {

std::string CanonicalPath(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return path;
    return resolved;
}

bool IsDecimal(const char* text) {
    if (*text == '\0') return false;
    for (; *text != '\0'; ++text) {
        if (*text < '0' || *text > '9') return false;
    }
    return true;
}

// The device's group name, when the group is not the account's own.
std::string DeviceGroupNotJoined(const std::string& devicePath) {
    struct stat info {};
    if (::stat(devicePath.c_str(), &info) != 0) return {};
    if (info.st_gid == ::getegid()) return {};
    gid_t groups[NGROUPS_MAX];
    const int count = ::getgroups(NGROUPS_MAX, groups);
    for (int i = 0; i < count; ++i) {
        if (groups[i] == info.st_gid) return {};
    }
    const struct group* named = ::getgrgid(info.st_gid);
    return named != nullptr ? named->gr_name : std::to_string(info.st_gid);
}

}  // namespace

std::vector<PortHolder> FindPortHolders(const std::string& devicePath) {
    std::vector<PortHolder> holders;
    const std::string device = CanonicalPath(devicePath);
    DIR* proc = ::opendir("/proc");
    if (proc == nullptr) return holders;
    const pid_t self = ::getpid();
    while (const dirent* process = ::readdir(proc)) {
        if (!IsDecimal(process->d_name)) continue;
        const pid_t pid = static_cast<pid_t>(std::atol(process->d_name));
        if (pid == self) continue;
        const std::string fdFolder = std::string("/proc/") + process->d_name + "/fd";
        DIR* fds = ::opendir(fdFolder.c_str());
        if (fds == nullptr) continue;  // another user's process, or gone
        bool holds = false;
        while (const dirent* fd = ::readdir(fds)) {
            if (!IsDecimal(fd->d_name)) continue;
            char target[PATH_MAX];
            const std::string link = fdFolder + "/" + fd->d_name;
            const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
            if (n > 0 && device == std::string(target, static_cast<std::size_t>(n))) {
                holds = true;
                break;
            }
        }
        ::closedir(fds);
        if (!holds) continue;
        std::string program;
        std::ifstream(std::string("/proc/") + process->d_name + "/comm") >> program;
        holders.push_back({pid, program});
    }
    ::closedir(proc);
    return holders;
}

std::string ExplainPortOpenFailure(const std::string& portName, const std::string& devicePath,
                                   int error) {
    if (devicePath.empty()) {
        return portName +
               " is not connected to any serial device: no receiver was found when the "
               "ports were numbered. Plug the receiver in, or choose another port under "
               "Setup.";
    }
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return portName + " is " + devicePath +
                   ", which does not exist now: the receiver is unplugged, switched off "
                   "or out of range. Connect it and try again, or choose another port "
                   "under Setup.";
        case EACCES:
        case EPERM: {
            const std::string group = DeviceGroupNotJoined(devicePath);
            if (group.empty()) {
                return "This account may not open " + devicePath + " (" + portName + ").";
            }
            return "This account may not open " + devicePath + " (" + portName +
                   "): the device belongs to the group \"" + group +
                   "\" and the account is not in it. Run\n    sudo usermod -aG " + group +
                   " $USER\nthen log out and in again.";
        }
        case EBUSY:
        case EAGAIN: {
            std::string text = devicePath + " (" + portName + ") is in use by another program";
            const std::vector<PortHolder> holders = FindPortHolders(devicePath);
            for (std::size_t i = 0; i < holders.size(); ++i) {
                text += (i == 0 ? ": " : ", ") + holders[i].program + " (process " +
                        std::to_string(holders[i].pid) + ")";
            }
            text += ".";
            for (const PortHolder& holder : holders) {
                if (holder.program == "gpsd") {
                    text +=
                        " Stop gpsd while Roamquill reads the receiver:\n    sudo systemctl "
                        "stop gpsd.socket gpsd";
                    break;
                }
                if (holder.program == "ModemManager") {
                    text +=
                        " ModemManager probes new serial devices; stop it while "
                        "Roamquill reads the receiver:\n    sudo systemctl stop "
                        "ModemManager";
                    break;
                }
            }
            return text;
        }
        default:
            return devicePath + " (" + portName + ") could not be opened: " + std::strerror(error) +
                   ".";
    }
}

}  // namespace rq::platform
