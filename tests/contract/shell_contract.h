#pragma once
// The desktop wallpaper as the engine sets it, checked on every
// implementation. An Env, made afresh for each case, provides
//   platform::Shell& shell();
//   std::string Wallpaper();  // what the system holds now, "" for none
//   std::string Picture(int n);  // the path of one of two bitmap files
// and gives the system its own wallpaper back afterwards.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/shell.h"

namespace vesk::contract {

template <typename Env>
class ShellContract : public ::testing::Test {
protected:
    Env env;
};

TYPED_TEST_SUITE_P(ShellContract);

// Windows has no "no wallpaper" value: it takes and reports an empty path.
// What the shell reports is what the engine compares before setting again.
TYPED_TEST_P(ShellContract, WallpaperIsSetAndRemoved) {
    platform::Shell& shell = this->env.shell();
    const std::optional<std::string> steps[] = {this->env.Picture(1), std::nullopt, this->env.Picture(2),
                                                this->env.Picture(1), std::nullopt, std::nullopt};
    for (const auto& wallpaper : steps) {
        SCOPED_TRACE(wallpaper.value_or("no wallpaper"));
        ASSERT_TRUE(shell.SetDeskWallpaper(wallpaper));
        EXPECT_EQ(this->env.Wallpaper(), wallpaper.value_or(""));
        EXPECT_EQ(shell.DeskWallpaper(), wallpaper.value_or(""));
    }
}

REGISTER_TYPED_TEST_SUITE_P(ShellContract, WallpaperIsSetAndRemoved);

}  // namespace vesk::contract
