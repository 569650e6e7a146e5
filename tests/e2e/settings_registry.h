#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// Direct access to the program's keys under HKEY_LOCAL_MACHINE, written
// against the raw API so that it does not share any code with the program.
namespace vesk::e2e {

inline const std::wstring kVeskKey = L"SoftWare\\Vesk";
inline const std::wstring kCommonKey = L"SoftWare\\Vesk\\Common";
inline const std::wstring kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline std::wstring DesktopKey(int n) { return L"SoftWare\\Vesk\\Desktop" + std::to_wstring(n); }

struct StoredValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

std::optional<StoredValue> ReadValue(const std::wstring& key, const std::wstring& name);
// Names of the key's values exactly as stored; empty when the key is absent.
std::vector<std::wstring> ValueNames(const std::wstring& key);
bool HasValue(const std::wstring& key, const std::wstring& name);

void WriteDword(const std::wstring& key, const std::wstring& name, DWORD value);
void WriteString(const std::wstring& key, const std::wstring& name, const std::wstring& value);

// Removes everything the program stores: its own tree and its autostart entry.
void ForgetProgramSettings();

::testing::AssertionResult StoredDword(const std::wstring& key, const std::wstring& name,
                                       DWORD expected);
::testing::AssertionResult StoredString(const std::wstring& key, const std::wstring& name,
                                        const std::wstring& expected);
// Windows paths: the comparison ignores case.
::testing::AssertionResult StoredPath(const std::wstring& key, const std::wstring& name,
                                      const std::wstring& expected);

}  // namespace vesk::e2e
