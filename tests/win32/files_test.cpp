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

Bytes EveryByteValue(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    return bytes;
}

TEST_F(FilesTest, WriteThenReadKeepsEveryByte) {
    const Bytes small = EveryByteValue(256);
    const Bytes large = EveryByteValue(3 * 1024 * 1024 + 17);  // several read/write chunks
    ASSERT_TRUE(files.WriteAll(In("small.bin"), small));
    ASSERT_TRUE(files.WriteAll(In("large.bin"), large));
    ASSERT_TRUE(files.WriteAll(In("empty.bin"), {}));
    EXPECT_EQ(files.ReadAll(In("small.bin")), small);
    EXPECT_EQ(files.ReadAll(In("large.bin")), large);
    EXPECT_EQ(files.ReadAll(In("empty.bin")), Bytes{});

    ASSERT_TRUE(files.WriteAll(In("large.bin"), Bytes{'a', 'b'}));
    EXPECT_EQ(files.ReadAll(In("large.bin")), (Bytes{'a', 'b'})) << "the old tail must go";
}

TEST_F(FilesTest, ExistsIsTrueForFilesOnly) {
    ASSERT_TRUE(files.WriteAll(In("\xe6\x97\xa5\xe6\x9c\xac.txt"), Bytes{1}));
    EXPECT_TRUE(files.Exists(In("\xe6\x97\xa5\xe6\x9c\xac.txt")));
    EXPECT_FALSE(files.Exists(In("missing.txt")));
    EXPECT_FALSE(files.Exists(root_)) << "a directory is not a file";
    EXPECT_EQ(files.ReadAll(In("missing.txt")), std::nullopt);
}

TEST_F(FilesTest, CopyHonoursOverwriteAndDeleteRemoves) {
    ASSERT_TRUE(files.WriteAll(In("a"), Bytes{'a'}));
    ASSERT_TRUE(files.WriteAll(In("b"), Bytes{'b'}));

    EXPECT_FALSE(files.Copy(In("a"), In("b"), false));
    EXPECT_EQ(files.ReadAll(In("b")), Bytes{'b'});
    EXPECT_TRUE(files.Copy(In("a"), In("b"), true));
    EXPECT_EQ(files.ReadAll(In("b")), Bytes{'a'});
    EXPECT_TRUE(files.Copy(In("a"), In("c"), false));
    EXPECT_EQ(files.ReadAll(In("c")), Bytes{'a'});
    EXPECT_FALSE(files.Copy(In("missing"), In("d"), true));

    EXPECT_TRUE(files.Delete(In("c")));
    EXPECT_FALSE(files.Exists(In("c")));
    EXPECT_FALSE(files.Delete(In("c")));
}

TEST_F(FilesTest, SizeAndReadRangeSeeTheWholeFileOnly) {
    const Bytes data = EveryByteValue(5000);
    ASSERT_TRUE(files.WriteAll(In("range.bin"), data));
    EXPECT_EQ(files.Size(In("range.bin")), 5000u);
    EXPECT_EQ(files.ReadRange(In("range.bin"), 4990, 10), Bytes(data.begin() + 4990, data.end()));
    EXPECT_EQ(files.ReadRange(In("range.bin"), 0, 0), Bytes{});
    EXPECT_EQ(files.ReadRange(In("range.bin"), 4991, 10), std::nullopt) << "one byte short";
    EXPECT_EQ(files.ReadRange(In("range.bin"), 6000, 1), std::nullopt);
    EXPECT_EQ(files.ReadRange(In("range.bin"), 0, 0xFFFFFFFFu), std::nullopt);
    EXPECT_EQ(files.Size(In("missing")), std::nullopt);
    EXPECT_EQ(files.Size(root_), std::nullopt) << "a directory is not a file";
    EXPECT_EQ(files.ReadRange(In("missing"), 0, 0), std::nullopt);
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

TEST_F(FilesTest, StreamsWriteAndReadInSequence) {
    ASSERT_TRUE(files.WriteAll(In("log.bin"), Bytes(50, 'x')));
    auto output = files.Create(In("log.bin"));
    ASSERT_NE(output, nullptr);
    const Bytes first = {1, 2, 3};
    const Bytes second = EveryByteValue(2 * 1024 * 1024 + 5);
    ASSERT_TRUE(output->Write(first));
    ASSERT_TRUE(output->Write(second));

    auto input = files.OpenForReading(In("log.bin"));  // while still being written
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->Size(), first.size() + second.size()) << "Create must empty the old file";
    Bytes head(3);
    EXPECT_EQ(input->Read(head), 3u);
    EXPECT_EQ(head, first);
    EXPECT_EQ(input->Position(), 3u);
    Bytes rest(second.size() + 100);
    EXPECT_EQ(input->Read(rest), second.size()) << "short read at the end";
    rest.resize(second.size());
    EXPECT_EQ(rest, second);
    EXPECT_EQ(input->Position(), input->Size());

    EXPECT_EQ(files.OpenForReading(In("missing")), nullptr);
    EXPECT_EQ(files.Create(In("no-such-dir\\f.bin")), nullptr);
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
