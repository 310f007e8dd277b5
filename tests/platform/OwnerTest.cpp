#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include "platform/Owner.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "support/TempFolder.h"

using namespace rq::platform;
using rq::test::TempFolder;

namespace {
constexpr std::u16string_view kOwnerKey = u"HKEY_CURRENT_USER\\ControlPanel\\Owner";
}

TEST(Owner, StoredNameTrimmedAndLimitedElseTheAccountsFullName) {
    TempFolder dir;
    OpenRegistry(dir / "registry.reg");

    const passwd* account = ::getpwuid(::getuid());
    ASSERT_NE(account, nullptr);
    std::string gecos = account->pw_gecos != nullptr ? account->pw_gecos : "";
    EXPECT_EQ(GetOwnerName(), Trim(FromUtf8(gecos.substr(0, gecos.find(',')))));

    ASSERT_TRUE(Registry().SetText(kOwnerKey, u"owner", u"  Zh\u00e0ng S\u0101n \t\r\n"));
    EXPECT_EQ(GetOwnerName(), u"Zh\u00e0ng S\u0101n");

    ASSERT_TRUE(Registry().SetText(kOwnerKey, u"Owner", u"   "));
    EXPECT_EQ(GetOwnerName(), u"") << "set but blank stays blank";

    std::u16string longName(600, u'x');
    longName[3] = u' ';
    ASSERT_TRUE(Registry().SetText(kOwnerKey, u"Owner", longName));
    EXPECT_EQ(GetOwnerName(), longName.substr(0, 512));
    longName[511] = 0xD83D;  // a pair cut by the limit
    longName[512] = 0xDE00;
    ASSERT_TRUE(Registry().SetText(kOwnerKey, u"Owner", longName));
    EXPECT_EQ(GetOwnerName(), longName.substr(0, 511));

    // The device's own form: UTF-16LE bytes, the name up to its zero unit.
    ASSERT_TRUE(Registry().SetBinary(kOwnerKey, u"Owner", {'A', 0, 'n', 0, 'n', 0, 0, 0, 'X', 0}));
    EXPECT_EQ(GetOwnerName(), u"Ann");
}
