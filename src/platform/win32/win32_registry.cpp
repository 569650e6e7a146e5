#include "platform/win32/win32_registry.h"

#include "platform/win32/windows_api.h"

#include <cstring>
#include <optional>
#include <vector>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf.h"

namespace vesk::platform::win32 {
namespace {

constexpr REGSAM kReadWrite = KEY_READ | KEY_WRITE;

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
};

// Room for every value the program keeps but the journal's lists: a
// MAX_PATH wallpaper path in UTF-16 fits.
constexpr DWORD kFirstReadBytes = 1024;

// A value's type and data, read whole. The first read goes straight into a
// buffer that fits nearly every value: asking for the size first doubled the
// round trips to the system (to its server, under Wine) for each string.
// The value may grow between reads; the read is tried again then.
std::optional<RawValue> QueryValue(HKEY key, const std::wstring& name) {
    RawValue value;
    DWORD size = kFirstReadBytes;
    for (int attempt = 0; attempt < 4; ++attempt) {
        value.bytes.assign(size, 0);
        const LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.bytes.data(), &size);
        if (status == ERROR_MORE_DATA) continue;  // `size` is now what the value needs
        if (status != ERROR_SUCCESS) return std::nullopt;
        value.bytes.resize(size);
        return value;
    }
    return std::nullopt;
}

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
        const auto value = QueryValue(key_.get(), Widen(name));
        if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return std::nullopt;
        // Stored strings need not end in NUL and may have an odd byte count.
        std::wstring text(value->bytes.size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), value->bytes.data(), text.size() * sizeof(wchar_t));
        text.resize(wcsnlen(text.c_str(), text.size()));
        return Narrow(text);
    }

    std::optional<std::string> ReadBinary(const std::string& name) override {
        const auto value = QueryValue(key_.get(), Widen(name));
        if (!value || value->type != REG_BINARY) return std::nullopt;
        return std::string(value->bytes.begin(), value->bytes.end());
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

bool Win32Registry::DeleteKey(RegistryRoot root, const std::string& path) {
    // The NT family refuses a key that still has subkeys, so a caller never
    // takes a subtree along by mistake.
    return RegDeleteKeyW(RootKey(root), Widen(path).c_str()) == ERROR_SUCCESS;
}

}  // namespace vesk::platform::win32
