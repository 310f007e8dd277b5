#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "platform/Files.h"
#include "platform/Loader.h"
#include "platform/TempFolder.h"

using namespace rq::platform;
using rq::testing::TempFolder;

namespace {

// The file of a shared library this process has loaded, to stand in for a module.
std::string LibraryFileOf(void* symbol) {
    Dl_info info{};
    if (::dladdr(symbol, &info) == 0 || info.dli_fname == nullptr) return {};
    return info.dli_fname;
}

}  // namespace

TEST(Loader, BareNamesAreFoundBesideTheProgramFirst) {
    using Cos = double (*)(double);
    const std::string libm = LibraryFileOf(reinterpret_cast<void*>(static_cast<Cos>(&std::cos)));
    ASSERT_FALSE(libm.empty());
    TempFolder dir;
    std::filesystem::copy_file(libm, dir / "LanChsPpc.dll");
    SetProgramFolder(dir.Path());

    LibraryHandle module = LoadLibrary("LanChsPpc.dll");
    ASSERT_NE(module, nullptr) << ::dlerror();
    void* cosine = GetProcAddress(module, "cos");
    ASSERT_NE(cosine, nullptr);
    EXPECT_EQ(LibraryFileOf(cosine), dir / "LanChsPpc.dll");
    EXPECT_DOUBLE_EQ(reinterpret_cast<Cos>(cosine)(0.0), 1.0);
    EXPECT_EQ(GetProcAddress(module, "NoSuchSymbol"), nullptr);
    FreeLibrary(module);

    EXPECT_EQ(LoadLibrary("LanChtPpc.dll"), nullptr)
        << "missing beside the program and in the system";
    EXPECT_EQ(LoadLibrary(""), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "cos"), nullptr);
    FreeLibrary(nullptr);

    // Not beside the program: the normal search, and full paths as they are.
    const std::string soname = std::filesystem::path(libm).filename().string();
    LibraryHandle system = LoadLibrary(soname);
    EXPECT_NE(system, nullptr) << soname;
    FreeLibrary(system);
    LibraryHandle byPath = LoadLibrary(dir / "LanChsPpc.dll");
    EXPECT_NE(byPath, nullptr);
    FreeLibrary(byPath);
    SetProgramFolder("");
}
