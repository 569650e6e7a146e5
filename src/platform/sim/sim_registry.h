#pragma once
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "platform/registry.h"

namespace vesk::platform::sim {

enum class ValueType { Dword, String, Binary };

struct SimValue {
    std::string name;  // as created: names keep their first spelling
    ValueType type = ValueType::Dword;
    std::uint32_t dword = 0;
    std::string text;  // a string's text or a binary value's bytes
};

// An in-memory registry tree with typed values. Key and value names compare
// without case. readOnly simulates a user without rights to any key: existing
// keys open, nothing can be created or written. A denied key, with every key
// below it, is what a standard user meets under HKEY_LOCAL_MACHINE: it can be
// read when it exists, not created, written or removed.
class SimRegistry : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                         bool create) override;
    bool DeleteKey(RegistryRoot root, const std::string& path) override;

    void DenyKey(RegistryRoot root, const std::string& path);
    void AllowAllKeys() { denied_.clear(); }

    // Test set-up and inspection.
    void CreateKey(RegistryRoot root, const std::string& path);
    bool KeyExists(RegistryRoot root, const std::string& path) const;
    void Set(RegistryRoot root, const std::string& path, SimValue value);
    void SetDword(RegistryRoot root, const std::string& path, const std::string& name, std::uint32_t v);
    void SetString(RegistryRoot root, const std::string& path, const std::string& name, std::string v);
    std::optional<SimValue> Get(RegistryRoot root, const std::string& path,
                                const std::string& name) const;
    std::size_t ValueCount(RegistryRoot root, const std::string& path) const;

    bool readOnly = false;
    int writeCount = 0;

private:
    friend class SimRegistryKey;
    using KeyId = std::pair<RegistryRoot, std::string>;  // folded path
    static KeyId Id(RegistryRoot root, const std::string& path);
    bool Writable(const KeyId& id) const;
    std::set<KeyId> keys_;
    std::set<KeyId> denied_;
    std::map<KeyId, std::map<std::string, SimValue>> values_;  // by folded value name
};

}  // namespace vesk::platform::sim
