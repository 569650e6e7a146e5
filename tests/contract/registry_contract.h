#pragma once
// What the engine relies on from the registry, checked on every
// implementation. An Env, made afresh for each case, provides
//   platform::Registry& registry();
//   std::string StoredName(const std::string& path, const std::string& name);
//       the spelling a value of HKCU\path is stored under ("" when absent)
// and leaves no HKCU\Software\VeskContract behind, before or after.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace vesk::contract {

template <typename Env>
class RegistryContract : public ::testing::Test {
protected:
    static constexpr char kKey[] = "Software\\VeskContract";
    static constexpr auto kUser = platform::RegistryRoot::CurrentUser;

    Env env;
    platform::Registry& registry = env.registry();
};

TYPED_TEST_SUITE_P(RegistryContract);

// Written through one handle and read through another, each value is found
// by a read of its own type only.
TYPED_TEST_P(RegistryContract, ValuesReadBackAsTheirOwnTypeOnly) {
    enum class Type { Absent, Dword, String, Binary };
    struct Row {
        const char* name;
        Type type;
        std::uint32_t dword;
        std::string text;  // a string's text or a binary value's bytes
    };
    std::string longText;
    for (int i = 0; i < 5000; ++i) longText += static_cast<char>('a' + i % 26);
    const Row rows[] = {
        {"Number", Type::Dword, 0xFFFFFFFEu, {}},
        {"Zero", Type::Dword, 0, {}},
        {"Text", Type::String, 0, "D\xc3\xa9sktop \xe2\x98\x83 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x8e\x89"},
        {"Empty", Type::String, 0, ""},
        {"Long", Type::String, 0, longText},
        {"Bytes", Type::Binary, 0, std::string("\0\xff\x01\0", 4)},  // NULs are data
        {"FourBytes", Type::Binary, 0, std::string("\x07\0\0\0", 4)},  // the size of a DWORD, not one
        {"NoBytes", Type::Binary, 0, ""},
        {"LongBytes", Type::Binary, 0, longText},
        // Exactly a kilobyte, with a string's terminator: the Win32 side's
        // first read has that much room.
        {"KilobyteText", Type::String, 0, longText.substr(0, 511)},
        {"KilobyteBytes", Type::Binary, 0, longText.substr(0, 1024)},
        {"Absent", Type::Absent, 0, {}},
    };
    {
        auto key = this->registry.OpenKey(this->kUser, this->kKey, true);
        ASSERT_NE(key, nullptr);
        for (const Row& row : rows) {
            bool written = true;
            if (row.type == Type::Dword) written = key->WriteDword(row.name, row.dword);
            if (row.type == Type::String) written = key->WriteString(row.name, row.text);
            if (row.type == Type::Binary) written = key->WriteBinary(row.name, row.text);
            EXPECT_TRUE(written) << row.name;
        }
    }
    auto key = this->registry.OpenKey(this->kUser, this->kKey, false);
    ASSERT_NE(key, nullptr);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto text = std::optional<std::string>(row.text);
        EXPECT_EQ(key->ReadDword(row.name), row.type == Type::Dword ? std::optional(row.dword) : std::nullopt);
        EXPECT_EQ(key->ReadString(row.name), row.type == Type::String ? text : std::nullopt);
        EXPECT_EQ(key->ReadBinary(row.name), row.type == Type::Binary ? text : std::nullopt);
    }
}

TYPED_TEST_P(RegistryContract, NamesCompareWithoutCaseAndKeepTheirFirstSpelling) {
    const std::string path = std::string(this->kKey) + "\\Desktop1";
    {
        auto key = this->registry.OpenKey(this->kUser, path, true);
        ASSERT_NE(key, nullptr);
        ASSERT_TRUE(key->WriteDword("ForWhat", 1));
    }
    auto key = this->registry.OpenKey(this->kUser, "SOFTWARE\\veskcontract\\DESKTOP1", false);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->ReadDword("forwhat"), 1u);
    ASSERT_TRUE(key->WriteDword("FORWHAT", 2));
    EXPECT_EQ(key->ReadDword("ForWhat"), 2u) << "the write must replace, not add";
    EXPECT_EQ(this->env.StoredName(path, "forWHAT"), "ForWhat");

    ASSERT_TRUE(key->WriteString("forWhat", "2"));
    EXPECT_EQ(key->ReadDword("ForWhat"), std::nullopt) << "a write of another type replaces the value";
    EXPECT_EQ(key->ReadString("FORWHAT"), "2");
    EXPECT_EQ(this->env.StoredName(path, "forwhat"), "ForWhat");
}

TYPED_TEST_P(RegistryContract, KeysAreCreatedOnlyWhenAskedWithTheirParentsUnderTheirRoot) {
    const std::string deep = std::string(this->kKey) + "\\Deep\\Er";
    EXPECT_EQ(this->registry.OpenKey(this->kUser, deep, false), nullptr);
    EXPECT_EQ(this->registry.OpenKey(this->kUser, deep, false), nullptr) << "created by a plain open";

    EXPECT_NE(this->registry.OpenKey(this->kUser, deep, true), nullptr);
    EXPECT_NE(this->registry.OpenKey(this->kUser, deep, false), nullptr);
    EXPECT_NE(this->registry.OpenKey(this->kUser, std::string(this->kKey) + "\\deep", false), nullptr);
    EXPECT_EQ(this->registry.OpenKey(platform::RegistryRoot::LocalMachine, deep, false), nullptr)
        << "the other root";
}

// The settings' per-user copy is removed key by key beside the Recovery key,
// which must never go with it.
TYPED_TEST_P(RegistryContract, DeleteRemovesOnlyAKeyWithoutSubkeysAndItsValues) {
    const std::string parent = std::string(this->kKey) + "\\Parent";
    const std::string child = parent + "\\Child";
    ASSERT_NE(this->registry.OpenKey(this->kUser, child, true), nullptr);
    {
        auto key = this->registry.OpenKey(this->kUser, parent, false);
        ASSERT_NE(key, nullptr);
        ASSERT_TRUE(key->WriteDword("Kept", 1));
    }
    EXPECT_FALSE(this->registry.DeleteKey(this->kUser, parent)) << "it still has a subkey";
    EXPECT_NE(this->registry.OpenKey(this->kUser, parent, false), nullptr);

    EXPECT_TRUE(this->registry.DeleteKey(this->kUser, "SOFTWARE\\veskcontract\\parent\\CHILD"));
    EXPECT_EQ(this->registry.OpenKey(this->kUser, child, false), nullptr);
    EXPECT_FALSE(this->registry.DeleteKey(this->kUser, child)) << "gone already";
    EXPECT_FALSE(this->registry.DeleteKey(platform::RegistryRoot::LocalMachine, parent)) << "the other root";

    EXPECT_TRUE(this->registry.DeleteKey(this->kUser, parent));
    auto again = this->registry.OpenKey(this->kUser, parent, true);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->ReadDword("Kept"), std::nullopt) << "the values went with the key";
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContract, ValuesReadBackAsTheirOwnTypeOnly,
                            NamesCompareWithoutCaseAndKeepTheirFirstSpelling,
                            KeysAreCreatedOnlyWhenAskedWithTheirParentsUnderTheirRoot,
                            DeleteRemovesOnlyAKeyWithoutSubkeysAndItsValues);

}  // namespace vesk::contract
