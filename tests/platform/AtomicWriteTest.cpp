#include "platform/AtomicWrite.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using tessaly::platform::AtomicWriteOptions;
using tessaly::platform::WriteOutcome;
using tessaly::platform::writeFileAtomically;

namespace {

class AtomicWriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("tessaly-atomic-" + std::to_string(::getpid()) + "-"
                                            + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string read(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::ptrdiff_t entries() const { return std::distance(fs::directory_iterator(dir_), fs::directory_iterator()); }

    fs::path dir_;
};

TEST_F(AtomicWriteTest, StreamedContentReplacesTheFileLargerThanOneBuffer)
{
    const fs::path f = dir_ / "page.html";
    std::ofstream(f) << "old";
    std::string big(200000, 'x');
    for (std::size_t i = 0; i < big.size(); i += 97)
        big[i] = static_cast<char>('a' + i % 26);
    const auto result = writeFileAtomically(f, [&](std::ostream& out) {
        out << big.substr(0, 1000);
        out.write(big.data() + 1000, static_cast<std::streamsize>(big.size() - 1000));
    });
    EXPECT_TRUE(result);
    EXPECT_EQ(result.outcome, WriteOutcome::written);
    EXPECT_TRUE(result.error.empty());
    EXPECT_EQ(read(f), big);
    EXPECT_EQ(entries(), 1) << "no temporary left";
}

TEST_F(AtomicWriteTest, AThrowingWriterLeavesTheOldFileAndNoTemporary)
{
    const fs::path f = dir_ / "page.html";
    std::ofstream(f) << "precious";
    const auto result = writeFileAtomically(f, [](std::ostream& out) {
        out << "half";
        throw std::runtime_error("encoder gave up");
    });
    EXPECT_FALSE(result);
    EXPECT_EQ(result.outcome, WriteOutcome::failed);
    EXPECT_EQ(result.error, "encoder gave up");
    EXPECT_EQ(read(f), "precious");
    EXPECT_EQ(entries(), 1);
}

TEST_F(AtomicWriteTest, MissingFolderFailsUnlessAskedToMakeIt)
{
    const fs::path f = dir_ / "a" / "b" / "x.ini";
    const auto put = [](std::ostream& out) { out << "k=v\n"; };
    const auto refused = writeFileAtomically(f, put);
    EXPECT_EQ(refused.outcome, WriteOutcome::failed);
    EXPECT_FALSE(refused.error.empty());
    EXPECT_FALSE(fs::exists(f.parent_path()));

    AtomicWriteOptions options;
    options.createFolder = true;
    EXPECT_TRUE(writeFileAtomically(f, put, options));
    EXPECT_EQ(read(f), "k=v\n");
    // The byte-block form makes the folder too.
    EXPECT_TRUE(writeFileAtomically(dir_ / "c" / "y.ini", std::string_view("data")));
    EXPECT_EQ(read(dir_ / "c" / "y.ini"), "data");
}

TEST_F(AtomicWriteTest, NewFileTakesTheUmaskAndAnOldOneKeepsItsBits)
{
    const mode_t mask = ::umask(022);
    const fs::path fresh = dir_ / "fresh.txt";
    ASSERT_TRUE(writeFileAtomically(fresh, std::string_view("x")));
    struct stat st {};
    ASSERT_EQ(::stat(fresh.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    ::chmod(fresh.c_str(), 0600);
    ASSERT_TRUE(writeFileAtomically(fresh, std::string_view("y")));
    ASSERT_EQ(::stat(fresh.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ::umask(mask);
}

TEST_F(AtomicWriteTest, ChainOfLinksStaysAndTheLastTargetIsReplaced)
{
    const fs::path real = dir_ / "real.txt";
    std::ofstream(real) << "old";
    fs::create_symlink("real.txt", dir_ / "one");
    fs::create_symlink(dir_ / "one", dir_ / "two");
    ASSERT_TRUE(writeFileAtomically(dir_ / "two", std::string_view("new")));
    EXPECT_TRUE(fs::is_symlink(dir_ / "one"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "two"));
    EXPECT_EQ(read(real), "new");
    EXPECT_EQ(entries(), 3);
}

} // namespace
