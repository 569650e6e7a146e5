#pragma once
#include <windows.h>

#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

namespace vesk::e2e {

// One value as a first start must leave it.
struct ExpectedValue {
    std::wstring key;
    std::wstring name;
    std::variant<DWORD, std::wstring> value;
};

std::vector<ExpectedValue> FreshStartValues();
bool AllPresent(const std::vector<ExpectedValue>& values);
::testing::AssertionResult Stored(const ExpectedValue& expected);

}  // namespace vesk::e2e
