#pragma once
#include "platform/registry.h"

namespace vesk::platform::win32 {

// Keys are opened for reading and writing; where writing is refused (a
// limited account under HKEY_LOCAL_MACHINE) the key is opened read-only, so
// reads still work and every write reports false.
class Win32Registry final : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                         bool create) override;
    bool DeleteKey(RegistryRoot root, const std::string& path) override;
};

}  // namespace vesk::platform::win32
