#pragma once
// What the engine relies on from the window manager, checked on every
// implementation with top-level windows of the calling thread, whose changes
// take effect at once. An Env, made afresh for each case, provides
//   platform::WindowManager& windows();
//   platform::WindowHandle Create(const std::string& className, const std::string& title, bool visible);
//   void Destroy(platform::WindowHandle window);
//   void Minimize(platform::WindowHandle window);
//   platform::ProcessId OwnProcess();  // the owner of the windows it creates
// Class names start with "VeskContract", which no other window uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "platform/window_manager.h"

namespace vesk::contract {

template <typename Env>
class WindowManagerContract : public ::testing::Test {
protected:
    int TimesListed(platform::WindowHandle window) {
        const std::vector<platform::WindowHandle> all = windows.EnumTopLevel();
        return static_cast<int>(std::count(all.begin(), all.end(), window));
    }

    Env env;
    platform::WindowManager& windows = env.windows();
};

TYPED_TEST_SUITE_P(WindowManagerContract);

TYPED_TEST_P(WindowManagerContract, DescribesAndFindsEachWindow) {
    const struct {
        const char* className;
        std::string title;
        bool visible;
    } rows[] = {
        {"VeskContractPlain", "Vesk contract", true},
        {"VeskContractUnicode", "Vesk t\xc3\xa9st \xe2\x98\x83 \xf0\x9f\x98\x80", false},
        {"VeskContractLong", std::string(700, 'x') + "\xc3\xa9nd", false},  // past any first buffer
        {"VeskContractUntitled", "", true},
    };
    auto& windows = this->windows;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.className);
        const platform::WindowHandle window = this->env.Create(row.className, row.title, row.visible);
        ASSERT_NE(window, platform::kNoWindow);
        EXPECT_TRUE(windows.Exists(window));
        EXPECT_EQ(windows.IsVisible(window), row.visible);
        EXPECT_FALSE(windows.IsMinimized(window));
        EXPECT_EQ(windows.ClassName(window), row.className);
        EXPECT_EQ(windows.Title(window), row.title);
        EXPECT_EQ(windows.OwnerProcess(window), this->env.OwnProcess());
        EXPECT_EQ(this->TimesListed(window), 1);

        std::string otherCase = row.className;
        for (char& c : otherCase) {
            const auto u = static_cast<unsigned char>(c);
            c = static_cast<char>(std::isupper(u) ? std::tolower(u) : std::toupper(u));
        }
        EXPECT_EQ(windows.FindByClass(otherCase), window) << "classes compare without case";
        if (!row.title.empty()) {
            EXPECT_EQ(windows.FindByTitle(row.title), window);
        }
    }
    EXPECT_EQ(windows.FindByClass("VeskContractNoSuchClass"), platform::kNoWindow);
    EXPECT_EQ(windows.FindByTitle("Vesk contract: no such title"), platform::kNoWindow);
}

TYPED_TEST_P(WindowManagerContract, ShowHideAndRestoreTakeEffectAtOnce) {
    auto& windows = this->windows;
    for (const bool visible : {true, false}) {
        SCOPED_TRACE(visible ? "created visible" : "created hidden");
        const platform::WindowHandle window = this->env.Create("VeskContractToggle", "toggle", visible);
        windows.Hide(window);
        EXPECT_FALSE(windows.IsVisible(window));
        windows.Hide(window);
        EXPECT_FALSE(windows.IsVisible(window));
        windows.Show(window);
        EXPECT_TRUE(windows.IsVisible(window));
        windows.Show(window);
        EXPECT_TRUE(windows.IsVisible(window));

        windows.HideEach({window});
        EXPECT_FALSE(windows.IsVisible(window));
        windows.ShowEach({window});
        EXPECT_TRUE(windows.IsVisible(window));

        this->env.Minimize(window);
        ASSERT_TRUE(windows.IsMinimized(window));
        windows.Restore(window);
        EXPECT_FALSE(windows.IsMinimized(window));
        EXPECT_TRUE(windows.IsVisible(window));
        this->env.Destroy(window);
    }
}

TYPED_TEST_P(WindowManagerContract, CallsOnAClosedWindowFailQuietly) {
    auto& windows = this->windows;
    const platform::WindowHandle gone = this->env.Create("VeskContractGone", "Vesk contract gone", true);
    ASSERT_TRUE(windows.Exists(gone));
    this->env.Destroy(gone);

    EXPECT_FALSE(windows.Exists(gone));
    EXPECT_FALSE(windows.IsVisible(gone));
    EXPECT_FALSE(windows.IsMinimized(gone));
    EXPECT_EQ(windows.ClassName(gone), "");
    EXPECT_EQ(windows.Title(gone), "");
    EXPECT_EQ(windows.OwnerProcess(gone), 0u);
    EXPECT_EQ(this->TimesListed(gone), 0);
    EXPECT_EQ(windows.FindByClass("VeskContractGone"), platform::kNoWindow);
    EXPECT_EQ(windows.FindByTitle("Vesk contract gone"), platform::kNoWindow);
    windows.Show(gone);
    windows.Hide(gone);
    windows.ShowEach({gone});
    windows.HideEach({gone});
    windows.Restore(gone);
    windows.SetForeground(gone);
    windows.PostClose(gone);
    EXPECT_FALSE(windows.Exists(gone));
    EXPECT_FALSE(windows.IsVisible(gone));
    EXPECT_FALSE(windows.Exists(platform::kNoWindow));
}

REGISTER_TYPED_TEST_SUITE_P(WindowManagerContract, DescribesAndFindsEachWindow,
                            ShowHideAndRestoreTakeEffectAtOnce, CallsOnAClosedWindowFailQuietly);

}  // namespace vesk::contract
