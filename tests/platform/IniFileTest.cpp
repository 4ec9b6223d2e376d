#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using tessaly::platform::EIniFileException;
using tessaly::platform::TIniFile;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("tessaly-ini-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = dir_ / "Tessaly.ini";
    }
    void TearDown() override
    {
        ::chmod(dir_.c_str(), 0755);
        fs::remove_all(dir_);
    }
    void put(const std::string& text)
    {
        std::ofstream(file_, std::ios::binary) << text;
    }
    std::string contents() const
    {
        std::ifstream in(file_, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    fs::path dir_;
    fs::path file_;
};

TEST_F(IniFileTest, MissingFileReadsDefaultsAndIsCreatedByTheFirstWrite)
{
    TIniFile ini(file_);
    EXPECT_EQ(ini.readInteger("Position", "Left", 30), 30);
    EXPECT_EQ(ini.readString("Form", "MainForm", ""), "");
    EXPECT_FALSE(fs::exists(file_));
    ini.writeInteger("Position", "Left", -12);
    EXPECT_EQ(contents(), "[Position]\nLeft=-12\n");
    EXPECT_EQ(TIniFile(file_).readInteger("Position", "Left", 30), -12);
}

TEST_F(IniFileTest, NamesIgnoreCaseAndKeysKeepTheirSpelling)
{
    put("\xEF\xBB\xBF[View]\r\nMain Toolbar = false\r\n");
    TIniFile ini(file_);
    EXPECT_EQ(ini.readString("view", "MAIN TOOLBAR", "true"), "false");
    ini.writeString("VIEW", "main toolbar", "true");
    ini.writeString("View", "HTML Toolbar", "false");
    EXPECT_EQ(contents(), "[View]\nMain Toolbar=true\nHTML Toolbar=false\n");
    EXPECT_EQ(ini.readSection("view"), (std::vector<std::string>{"Main Toolbar", "HTML Toolbar"}));
}

TEST_F(IniFileTest, CommentsUnknownKeysAndOtherSectionsSurviveARewrite)
{
    put("; written by hand\n[Form]\nSP_Width=200\n# keep me\nMine=1\n\n[Other]\nx=y\n");
    TIniFile ini(file_);
    ini.writeInteger("Form", "SP_Width", 250);
    ini.writeInteger("Form", "SP_Height", 129);
    ini.writeString("New", "k", "v");
    EXPECT_EQ(contents(),
              "; written by hand\n[Form]\nSP_Width=250\n# keep me\nMine=1\nSP_Height=129\n\n[Other]\nx=y\n\n[New]\nk=v\n");
}

TEST_F(IniFileTest, IntegersReadLikeTheProfileFunctions)
{
    put("[S]\na=42\nb= -7 \nc=12px\nd=px\ne=\nf=99999999999\ng=+5\n");
    TIniFile ini(file_);
    EXPECT_EQ(ini.readInteger("S", "a", 0), 42);
    EXPECT_EQ(ini.readInteger("S", "b", 0), -7);
    EXPECT_EQ(ini.readInteger("S", "c", 0), 12);
    EXPECT_EQ(ini.readInteger("S", "d", 5), 5);
    EXPECT_EQ(ini.readInteger("S", "e", 5), 5);
    EXPECT_EQ(ini.readInteger("S", "f", 5), 5);
    EXPECT_EQ(ini.readInteger("S", "g", 0), 5);
    EXPECT_EQ(ini.readInteger("S", "missing", 3), 3);
    EXPECT_EQ(ini.readString("S", "e", "def"), "");
}

TEST_F(IniFileTest, EraseSectionRemovesOnlyThatSection)
{
    put("[A]\nk=1\n[B]\n; about B\nk=2\n[C]\nk=3\n");
    TIniFile ini(file_);
    ini.eraseSection("b");
    EXPECT_EQ(contents(), "[A]\nk=1\n[C]\nk=3\n");
    EXPECT_FALSE(ini.sectionExists("B"));
    EXPECT_EQ(ini.readSections(), (std::vector<std::string>{"A", "C"}));
    ini.eraseSection("missing"); // nothing to do, nothing written
    ini.deleteKey("A", "K");
    EXPECT_EQ(contents(), "[A]\n[C]\nk=3\n");
}

TEST_F(IniFileTest, ValuesStayOnOneLine)
{
    TIniFile ini(file_);
    ini.writeString("Script", "Description", "line one\r\nline two\n[Evil]\nx=1");
    TIniFile again(file_);
    EXPECT_EQ(again.readSections(), (std::vector<std::string>{"Script"}));
    EXPECT_EQ(again.readString("Script", "Description", ""), "line one  line two [Evil] x=1");
}

TEST_F(IniFileTest, BatchedWritesGoOutOnceAtTheEnd)
{
    TIniFile ini(file_);
    ini.beginUpdate();
    ini.writeInteger("Position", "Left", 1);
    ini.writeInteger("Position", "Top", 2);
    EXPECT_FALSE(fs::exists(file_));
    ini.endUpdate();
    EXPECT_EQ(contents(), "[Position]\nLeft=1\nTop=2\n");
}

TEST_F(IniFileTest, AFailedWriteRaisesAndKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write to a read-only folder";
    put("[A]\nk=1\n");
    TIniFile ini(file_);
    ::chmod(dir_.c_str(), 0555);
    try {
        ini.writeString("A", "k", "2");
        FAIL() << "no error raised";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + file_.string());
    }
    ::chmod(dir_.c_str(), 0755);
    EXPECT_EQ(contents(), "[A]\nk=1\n");
}

TEST_F(IniFileTest, AFileInPlaceOfTheFolderIsReportedAsAWriteError)
{
    // Works for root too: nobody can create a file below a regular file.
    put("not a folder");
    TIniFile ini(file_ / "Tessaly.ini");
    EXPECT_THROW(ini.writeString("A", "k", "v"), EIniFileException);
    EXPECT_EQ(contents(), "not a folder");
}

TEST_F(IniFileTest, ASymbolicLinkStaysALink)
{
    const fs::path real = dir_ / "real.ini";
    std::ofstream(real) << "[A]\nk=1\n";
    fs::create_symlink(real, file_);
    TIniFile ini(file_);
    ini.writeString("A", "k", "2");
    EXPECT_TRUE(fs::is_symlink(file_));
    EXPECT_EQ(TIniFile(real).readString("A", "k", ""), "2");
}

TEST_F(IniFileTest, ProgramFolderFallsBackToTheUserDataFolder)
{
    using tessaly::platform::programFolderFor;
    EXPECT_EQ(programFolderFor(dir_), dir_.string() + "/");
    ::setenv("XDG_DATA_HOME", dir_.c_str(), 1);
    EXPECT_EQ(programFolderFor(dir_ / "no" / "such"), (dir_ / "Tessaly").string() + "/");
    EXPECT_TRUE(fs::is_directory(dir_ / "Tessaly"));
    ::unsetenv("XDG_DATA_HOME");
}

} // namespace
