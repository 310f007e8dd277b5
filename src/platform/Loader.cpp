#include "platform/Loader.h"

#include <dlfcn.h>

#include "platform/Files.h"

namespace rq::platform {

LibraryHandle LoadLibrary(const std::string& fileName) {
    if (fileName.empty()) return nullptr;
    constexpr int kFlags = RTLD_NOW | RTLD_LOCAL;
    if (fileName.find('/') == std::string::npos) {
        // Like the device: a module beside the program comes before the system's.
        const std::string besideProgram = ProgramFolder() + fileName;
        if (PathExists(besideProgram)) {
            if (void* handle = ::dlopen(besideProgram.c_str(), kFlags)) return handle;
        }
    }
    return ::dlopen(fileName.c_str(), kFlags);
}

void FreeLibrary(LibraryHandle library) {
    if (library != nullptr) ::dlclose(library);
}

void* GetProcAddress(LibraryHandle library, const char* symbol) {
    // A null handle would mean "every loaded object" to dlsym.
    if (library == nullptr || symbol == nullptr) return nullptr;
    return ::dlsym(library, symbol);
}

}  // namespace rq::platform
