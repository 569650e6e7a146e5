#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf.h"

namespace vesk::test {
namespace {

using platform::win32::Narrow;
using platform::win32::ScopedHandle;
using platform::win32::Widen;

TEST(UtfTest, RoundTripsAllPlanes) {
    const std::string text = "a\xc3\xa9\xe2\x98\x83\xf0\x9f\x8e\x89z";
    const std::wstring wide = Widen(text);
    EXPECT_EQ(wide, L"a\u00e9\u2603\U0001F389z");
    EXPECT_EQ(Narrow(wide), text);
    EXPECT_EQ(Widen(""), L"");
    EXPECT_EQ(Narrow(L""), "");
}

TEST(UtfTest, KeepsEmbeddedNulsAndReplacesMalformedInput) {
    EXPECT_EQ(Widen(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
    EXPECT_EQ(Widen("x\xff" "y"), L"x\uFFFDy");
    EXPECT_EQ(Narrow(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xef\xbf\xbd")
        << "a lone surrogate";
}

bool IsOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

TEST(ScopedHandleTest, ClosesExactlyOnceAcrossMoves) {
    const HANDLE raw = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(raw, nullptr);
    {
        ScopedHandle first(raw);
        ScopedHandle second(std::move(first));
        EXPECT_FALSE(first);
        ScopedHandle third;
        third = std::move(second);
        EXPECT_EQ(third.get(), raw);
        EXPECT_TRUE(IsOpen(raw));
    }
    EXPECT_FALSE(IsOpen(raw));
}

}  // namespace
}  // namespace vesk::test
