#pragma once
#include <windows.h>

#include <optional>

namespace vesk::e2e {

// The user's display scale as Wine keeps it, HKCU\Control Panel\Desktop
// "LogPixels" (dots per inch, 96 for 100 %), set for the programs a test
// starts. Wine reads it once as each process starts: the programs started
// while this lives run at that scale, this test program stays at the one it
// started with. The value it found (or its absence) is put back when
// dropped, so the next test starts at 96 DPI again.
class ScopedLogPixels {
public:
    explicit ScopedLogPixels(DWORD dpi);
    ~ScopedLogPixels();
    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;

    bool set() const { return set_; }

private:
    std::optional<DWORD> previous_;
    bool set_ = false;
};

}  // namespace vesk::e2e
