#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vesk::platform {

enum class RegistryRoot { LocalMachine, CurrentUser };

// One open registry key; closed when destroyed. Key and value names compare
// without regard to case. A read of a value stored with another type than the
// one asked for gives nullopt, exactly like an absent value.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    virtual std::optional<std::uint32_t> ReadDword(const std::string& name) = 0;
    virtual std::optional<std::string> ReadString(const std::string& name) = 0;
    // Raw bytes (REG_BINARY), held in a string.
    virtual std::optional<std::string> ReadBinary(const std::string& name) = 0;
    // false when the write was refused (no rights); callers may ignore it.
    virtual bool WriteDword(const std::string& name, std::uint32_t value) = 0;
    virtual bool WriteString(const std::string& name, const std::string& value) = 0;
    virtual bool WriteBinary(const std::string& name, std::string_view bytes) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // nullptr when the key does not exist (create == false) or cannot be
    // created or opened (create == true, no rights).
    virtual std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                                 bool create) = 0;
    // Removes a key that has no subkeys, with its values. false when it is
    // absent, still has subkeys, or cannot be removed (no rights).
    virtual bool DeleteKey(RegistryRoot root, const std::string& path) = 0;
};

}  // namespace vesk::platform
