#include "platform/win32/win32_registry.h"

#include "platform/win32/windows_api.h"

#include <cstring>
#include <vector>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf.h"

namespace vesk::platform::win32 {
namespace {

constexpr REGSAM kReadWrite = KEY_READ | KEY_WRITE;

class Win32RegistryKey final : public RegistryKey {
public:
    explicit Win32RegistryKey(ScopedRegKey key) : key_(std::move(key)) {}

    std::optional<std::uint32_t> ReadDword(const std::string& name) override {
        DWORD type = REG_NONE;
        DWORD value = 0;
        DWORD size = sizeof(value);
        const LSTATUS status = RegQueryValueExW(key_.get(), Widen(name).c_str(), nullptr, &type,
                                                reinterpret_cast<BYTE*>(&value), &size);
        if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value)) {
            return std::nullopt;
        }
        return value;
    }

    std::optional<std::string> ReadString(const std::string& name) override {
        const std::wstring wideName = Widen(name);
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        // The value may grow between the size query and the read; retry then.
        for (int attempt = 0; attempt < 4; ++attempt) {
            if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
            // Stored strings need not end in NUL and may have an odd byte count:
            // read into a zeroed buffer one character longer than the data.
            std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 2, L'\0');
            DWORD capacity = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
            const LSTATUS status =
                RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(buffer.data()), &capacity);
            if (status == ERROR_MORE_DATA) {
                size = capacity;
                continue;
            }
            if (status != ERROR_SUCCESS) return std::nullopt;
            if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
            const std::size_t chars = capacity / sizeof(wchar_t);
            return Narrow(std::wstring_view(buffer.data(), wcsnlen(buffer.data(), chars)));
        }
        return std::nullopt;
    }

    std::optional<std::string> ReadBinary(const std::string& name) override {
        const std::wstring wideName = Widen(name);
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        // The value may grow between the size query and the read; retry then.
        for (int attempt = 0; attempt < 4; ++attempt) {
            if (type != REG_BINARY) return std::nullopt;
            std::string bytes(size, '\0');
            DWORD capacity = size;
            const LSTATUS status = RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type,
                                                    reinterpret_cast<BYTE*>(bytes.data()), &capacity);
            if (status == ERROR_MORE_DATA) {
                size = capacity;
                continue;
            }
            if (status != ERROR_SUCCESS || type != REG_BINARY) return std::nullopt;
            bytes.resize(capacity);
            return bytes;
        }
        return std::nullopt;
    }

    bool WriteDword(const std::string& name, std::uint32_t value) override {
        const DWORD data = value;
        return RegSetValueExW(key_.get(), Widen(name).c_str(), 0, REG_DWORD,
                              reinterpret_cast<const BYTE*>(&data), sizeof(data)) == ERROR_SUCCESS;
    }

    bool WriteString(const std::string& name, const std::string& value) override {
        const std::wstring wide = Widen(value);
        const DWORD bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
        return RegSetValueExW(key_.get(), Widen(name).c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(wide.c_str()), bytes) == ERROR_SUCCESS;
    }

    bool WriteBinary(const std::string& name, std::string_view bytes) override {
        return RegSetValueExW(key_.get(), Widen(name).c_str(), 0, REG_BINARY,
                              reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size())) ==
               ERROR_SUCCESS;
    }

private:
    ScopedRegKey key_;
};

HKEY RootKey(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(RegistryRoot root, const std::string& path,
                                                    bool create) {
    const HKEY parent = RootKey(root);
    const std::wstring widePath = Widen(path);
    ScopedRegKey key;
    LSTATUS status =
        create ? RegCreateKeyExW(parent, widePath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 kReadWrite, nullptr, key.receive(), nullptr)
               : RegOpenKeyExW(parent, widePath.c_str(), 0, kReadWrite, key.receive());
    if (status == ERROR_ACCESS_DENIED) {
        // The key exists but this account may only read it.
        status = RegOpenKeyExW(parent, widePath.c_str(), 0, KEY_READ, key.receive());
    }
    if (status != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32RegistryKey>(std::move(key));
}

}  // namespace vesk::platform::win32
