// Library loader over dlopen. A bare file name is looked up in the program folder.
#pragma once

#include <string>

namespace rq::platform {

using LibraryHandle = void*;

LibraryHandle LoadLibrary(const std::string& fileName);
void FreeLibrary(LibraryHandle library);
void* GetProcAddress(LibraryHandle library, const char* symbol);

}  // namespace rq::platform
