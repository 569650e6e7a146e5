#pragma once
// What the engine and recorder rely on from files, checked on every
// implementation. An Env, made afresh for each case, provides
//   platform::Files& files();
//   std::string In(const std::string& name);  // a path in an empty folder
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace vesk::contract {

template <typename Env>
class FilesContract : public ::testing::Test {
protected:
    using Bytes = std::vector<std::uint8_t>;

    // Every byte value, NUL included, in a pattern that does not repeat
    // every 256 bytes.
    static Bytes Pattern(std::size_t size) {
        Bytes bytes(size);
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
        return bytes;
    }
    std::string In(const std::string& name) { return env.In(name); }

    Env env;
    platform::Files& files = env.files();
};

TYPED_TEST_SUITE_P(FilesContract);

TYPED_TEST_P(FilesContract, WholeFilesKeepEveryByte) {
    using Bytes = typename TestFixture::Bytes;
    auto& files = this->files;
    const struct {
        const char* name;
        Bytes bytes;
    } rows[] = {
        {"small.bin", TestFixture::Pattern(256)},
        {"large.bin", TestFixture::Pattern(3 * 1024 * 1024 + 17)},  // several read and write chunks
        {"empty.bin", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(files.WriteAll(this->In(row.name), row.bytes));
        EXPECT_TRUE(files.Exists(this->In(row.name)));
        EXPECT_EQ(files.Size(this->In(row.name)), row.bytes.size());
        EXPECT_EQ(files.ReadAll(this->In(row.name)), row.bytes);
    }
    ASSERT_TRUE(files.WriteAll(this->In("large.bin"), Bytes{'a', 'b'}));
    EXPECT_EQ(files.ReadAll(this->In("large.bin")), (Bytes{'a', 'b'})) << "the old tail must go";

    EXPECT_FALSE(files.Exists(this->In("missing.bin")));
    EXPECT_EQ(files.ReadAll(this->In("missing.bin")), std::nullopt);
    EXPECT_EQ(files.Size(this->In("missing.bin")), std::nullopt);
    EXPECT_EQ(files.OpenForReading(this->In("missing.bin")), nullptr);
}

TYPED_TEST_P(FilesContract, CreateEmptiesTheFileAndWritesAppend) {
    using Bytes = typename TestFixture::Bytes;
    auto& files = this->files;
    const std::string path = this->In("log.bin");
    ASSERT_TRUE(files.WriteAll(path, Bytes(50, 'x')));
    auto output = files.Create(path);
    ASSERT_NE(output, nullptr);
    const Bytes first = {1, 0, 3};
    const Bytes second = TestFixture::Pattern(2 * 1024 * 1024 + 5);
    ASSERT_TRUE(output->Write(first));
    ASSERT_TRUE(output->Write(second));
    Bytes whole = first;
    whole.insert(whole.end(), second.begin(), second.end());

    // Others may read the file while it is still being written.
    EXPECT_EQ(files.Size(path), whole.size());
    EXPECT_EQ(files.ReadAll(path), whole);
    auto input = files.OpenForReading(path);
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->Size(), whole.size());
    Bytes head(3);
    EXPECT_EQ(input->Read(head), 3u);
    EXPECT_EQ(head, first);
    EXPECT_EQ(input->Position(), 3u);
    Bytes rest(second.size() + 100);
    EXPECT_EQ(input->Read(rest), second.size()) << "short read at the end";
    rest.resize(second.size());
    EXPECT_EQ(rest, second);
    EXPECT_EQ(input->Position(), whole.size());
    EXPECT_EQ(input->Read(head), 0u);
    input.reset();

    // Cut back, then appended from the cut.
    EXPECT_FALSE(output->Truncate(whole.size() + 1)) << "a cut never grows the file";
    ASSERT_TRUE(output->Truncate(2));
    ASSERT_TRUE(output->Write(first));
    output.reset();
    EXPECT_EQ(files.ReadAll(path), (Bytes{1, 0, 1, 0, 3}));
}

TYPED_TEST_P(FilesContract, ReadRangeGivesExactlyTheBytesAskedForOrNothing) {
    using Bytes = typename TestFixture::Bytes;
    const Bytes data = TestFixture::Pattern(5000);
    ASSERT_TRUE(this->files.WriteAll(this->In("range.bin"), data));
    const auto slice = [&](std::size_t from, std::size_t to) {
        return std::optional<Bytes>(Bytes(data.begin() + std::ptrdiff_t(from), data.begin() + std::ptrdiff_t(to)));
    };
    const struct {
        const char* name;
        std::uint64_t offset;
        std::uint32_t length;
        std::optional<Bytes> bytes;
    } rows[] = {
        {"range.bin", 1, 3, slice(1, 4)},
        {"range.bin", 4990, 10, slice(4990, 5000)},
        {"range.bin", 0, 0, Bytes{}},
        {"range.bin", 5000, 0, Bytes{}},
        {"range.bin", 4991, 10, std::nullopt},  // one byte short
        {"range.bin", 6000, 1, std::nullopt},
        {"range.bin", 0, 0xFFFFFFFFu, std::nullopt},
        {"missing.bin", 0, 0, std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(this->files.ReadRange(this->In(row.name), row.offset, row.length), row.bytes)
            << row.name << " from " << row.offset << ", " << row.length << " bytes";
    }
}

TYPED_TEST_P(FilesContract, CopyHonoursOverwriteAndDeleteRemovesWhateverTheCase) {
    using Bytes = typename TestFixture::Bytes;
    auto& files = this->files;
    const auto in = [&](const char* name) { return this->In(name); };
    ASSERT_TRUE(files.WriteAll(in("a.txt"), Bytes{'a'}));
    ASSERT_TRUE(files.WriteAll(in("b.txt"), Bytes{'b'}));

    EXPECT_FALSE(files.Copy(in("a.txt"), in("B.TXT"), false));
    EXPECT_EQ(files.ReadAll(in("b.txt")), Bytes{'b'});
    EXPECT_TRUE(files.Copy(in("A.txt"), in("b.txt"), true));
    EXPECT_EQ(files.ReadAll(in("B.txt")), Bytes{'a'});
    EXPECT_TRUE(files.Copy(in("a.txt"), in("c.txt"), false));
    EXPECT_EQ(files.ReadAll(in("c.txt")), Bytes{'a'});
    EXPECT_FALSE(files.Copy(in("missing.txt"), in("d.txt"), true));
    EXPECT_FALSE(files.Exists(in("d.txt")));

    EXPECT_TRUE(files.Exists(in("C.TXT")));
    EXPECT_TRUE(files.Delete(in("C.Txt")));
    EXPECT_FALSE(files.Exists(in("c.txt")));
    EXPECT_FALSE(files.Delete(in("c.txt")));
    EXPECT_EQ(files.ReadAll(in("a.txt")), Bytes{'a'}) << "the source is left alone";
}

// Where the Windows directory is refused, wallpapers go to a folder made in
// the user's local application data.
TYPED_TEST_P(FilesContract, FoldersAreMadeOnceAndLocalAppDataIsOne) {
    using Bytes = typename TestFixture::Bytes;
    auto& files = this->files;
    const std::string folder = this->In("made");
    EXPECT_TRUE(files.MakeDirectory(folder));
    EXPECT_TRUE(files.MakeDirectory(folder)) << "there already";
    EXPECT_FALSE(files.Exists(folder)) << "a folder is not a file";
    EXPECT_TRUE(files.WriteAll(folder + "\\inside.bin", Bytes{1}));
    EXPECT_TRUE(files.Exists(this->In("MADE\\inside.bin")));
    ASSERT_TRUE(files.WriteAll(this->In("plain.bin"), Bytes{1}));
    EXPECT_FALSE(files.MakeDirectory(this->In("plain.bin"))) << "a file has that name";

    const std::string local = files.LocalAppDataDirectory();
    ASSERT_GT(local.size(), 3u) << local;
    EXPECT_EQ(local[1], ':') << local;
    EXPECT_NE(local.back(), '\\') << local;
    EXPECT_TRUE(files.MakeDirectory(local)) << "it exists";
}

REGISTER_TYPED_TEST_SUITE_P(FilesContract, WholeFilesKeepEveryByte, CreateEmptiesTheFileAndWritesAppend,
                            ReadRangeGivesExactlyTheBytesAskedForOrNothing,
                            CopyHonoursOverwriteAndDeleteRemovesWhateverTheCase,
                            FoldersAreMadeOnceAndLocalAppDataIsOne);

}  // namespace vesk::contract
