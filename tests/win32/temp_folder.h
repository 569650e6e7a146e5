#pragma once
#include <string>

namespace vesk::test {

// A fresh folder under the system's temporary folder, removed with
// everything in it when the object goes. Paths are UTF-8.
class TempFolder {
public:
    explicit TempFolder(const std::string& label);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Without a trailing backslash.
    const std::string& path() const { return path_; }
    std::string In(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

}  // namespace vesk::test
