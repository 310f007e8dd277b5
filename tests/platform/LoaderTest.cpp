#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>

#include "platform/Files.h"
#include "platform/Loader.h"
#include "support/TempFolder.h"

using namespace rq::platform;

namespace {
std::string LibraryFileOf(void* symbol) {
    Dl_info info{};
    return ::dladdr(symbol, &info) != 0 && info.dli_fname != nullptr ? info.dli_fname : "";
}
}  // namespace

TEST(Loader, BareNamesAreFoundBesideTheProgramFirst) {
    // A copy of the maths library stands in for a language module.
    using Cos = double (*)(double);
    const std::filesystem::path libm =
        LibraryFileOf(reinterpret_cast<void*>(static_cast<Cos>(&std::cos)));
    rq::test::TempFolder dir;
    std::filesystem::copy_file(libm, dir / "LanChsPpc.dll");
    SetProgramFolder(dir.Path());

    LibraryHandle module = LoadLibrary("LanChsPpc.dll");
    ASSERT_NE(module, nullptr) << ::dlerror();
    void* cosine = GetProcAddress(module, "cos");
    EXPECT_EQ(LibraryFileOf(cosine), dir / "LanChsPpc.dll");
    EXPECT_DOUBLE_EQ(reinterpret_cast<Cos>(cosine)(0.0), 1.0);
    EXPECT_EQ(GetProcAddress(module, "NoSuchSymbol"), nullptr);
    FreeLibrary(module);

    EXPECT_EQ(LoadLibrary("LanChtPpc.dll"), nullptr);
    EXPECT_EQ(LoadLibrary(""), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "cos"), nullptr) << "not a search of every object";
    LibraryHandle system = LoadLibrary(libm.filename().string());  // the normal search
    EXPECT_NE(system, nullptr);
    FreeLibrary(system);
    FreeLibrary(nullptr);
    SetProgramFolder("");
}
