#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include "platform/win32/long_path.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_system.h"
#include "temp_folder.h"

namespace vesk::test {
namespace {

using platform::win32::ToApiPath;
using platform::win32::Widen;
using Bytes = std::vector<std::uint8_t>;

// A fresh directory with a non-ASCII name under the temporary folder.
class FilesTest : public ::testing::Test {
protected:
    std::string In(const std::string& name) const { return folder_.In(name); }

    TempFolder folder_{"files-\xc3\xa5"};
    const std::string& root_ = folder_.path();
    platform::win32::Win32System system;
    platform::Files& files = system.services().files;
};

// Only the real system has folders: a path naming one, or inside a missing
// one, is no file.
TEST_F(FilesTest, DirectoriesAreNoFilesAndMissingOnesHoldNone) {
    EXPECT_FALSE(files.Exists(root_));
    EXPECT_EQ(files.Size(root_), std::nullopt);
    EXPECT_EQ(files.ReadAll(root_), std::nullopt);
    EXPECT_EQ(files.Create(In("no-such-dir\\f.bin")), nullptr);
    EXPECT_FALSE(files.WriteAll(In("no-such-dir\\f.bin"), Bytes{1}));
}

TEST_F(FilesTest, ReadsFilesOthersHoldOpenForWriting) {
    ASSERT_TRUE(files.WriteAll(In("busy.bin"), Bytes{1, 2, 3}));
    platform::win32::ScopedFileHandle writer(CreateFileW(
        ToApiPath(In("busy.bin")).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(writer);
    EXPECT_EQ(files.Size(In("busy.bin")), 3u);
    EXPECT_EQ(files.ReadRange(In("busy.bin"), 1, 2), (Bytes{2, 3}));
    EXPECT_EQ(files.ReadAll(In("busy.bin")), (Bytes{1, 2, 3}));

    // And the running program itself: its "MZ" header.
    const std::string exe = files.ExecutablePath();
    const std::string name = "\\vesk_win32_tests.exe";
    ASSERT_GT(exe.size(), name.size());
    EXPECT_EQ(CompareStringOrdinal(Widen(exe.substr(exe.size() - name.size())).c_str(), -1,
                                   Widen(name).c_str(), -1, TRUE),
              CSTR_EQUAL)
        << exe;
    EXPECT_GT(files.Size(exe).value_or(0), 1024u);
    EXPECT_EQ(files.ReadRange(exe, 0, 2), (Bytes{'M', 'Z'}));
}

TEST_F(FilesTest, PathsLongerThanMaxPathWork) {
    std::string directory = root_;
    const std::string segment(60, 'd');
    while (directory.size() < MAX_PATH + 40) {
        directory += "\\" + segment;
        ASSERT_TRUE(CreateDirectoryW(ToApiPath(directory).c_str(), nullptr)) << directory;
    }
    const std::string path = directory + "\\long.bin";
    const std::string copy = directory + "\\copy.bin";
    ASSERT_GT(path.size(), static_cast<std::size_t>(MAX_PATH));

    ASSERT_TRUE(files.WriteAll(path, Bytes{4, 2}));
    EXPECT_TRUE(files.Exists(path));
    EXPECT_EQ(files.ReadAll(path), (Bytes{4, 2}));
    EXPECT_TRUE(files.Copy(path, copy, false));
    EXPECT_EQ(files.ReadAll(copy), (Bytes{4, 2}));
    EXPECT_TRUE(files.Delete(path));
    EXPECT_FALSE(files.Exists(path));
    // The same file through "." and ".." segments and forward slashes.
    const std::string winding = directory + "/./x/../copy.bin";
    EXPECT_TRUE(files.Exists(winding));
}

TEST_F(FilesTest, WindowsDirectoryHasNoTrailingSeparator) {
    const std::string directory = files.WindowsDirectory();
    ASSERT_FALSE(directory.empty());
    const bool driveRoot = directory.size() == 3 && directory[1] == ':';
    if (!driveRoot) {
        EXPECT_NE(directory.back(), '\\');
    }
    const DWORD attributes = GetFileAttributesW(ToApiPath(directory).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    // Callers build paths by appending a separator.
    const DWORD system32 = GetFileAttributesW(ToApiPath(directory + "\\system32").c_str());
    EXPECT_TRUE(system32 != INVALID_FILE_ATTRIBUTES && (system32 & FILE_ATTRIBUTE_DIRECTORY));
}

TEST(LongPathTest, OnlyLongPathsGetTheExtendedPrefix) {
    EXPECT_EQ(ToApiPath("C:\\windows\\sea.bmp"), L"C:\\windows\\sea.bmp");
    EXPECT_EQ(ToApiPath("relative/x.txt"), L"relative/x.txt");

    const std::string tail(300, 'a');
    EXPECT_EQ(ToApiPath("C:\\dir\\..\\" + tail), L"\\\\?\\C:\\" + std::wstring(300, L'a'));
    EXPECT_EQ(ToApiPath("C:/dir/" + tail), L"\\\\?\\C:\\dir\\" + std::wstring(300, L'a'));
    EXPECT_EQ(ToApiPath("\\\\server\\share\\" + tail),
              L"\\\\?\\UNC\\server\\share\\" + std::wstring(300, L'a'));
    EXPECT_EQ(ToApiPath("\\\\?\\C:\\" + tail), L"\\\\?\\C:\\" + std::wstring(300, L'a'));
}

}  // namespace
}  // namespace vesk::test
