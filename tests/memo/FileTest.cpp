#include "MemoTestUtil.h"

#include "../UnprivilegedUser.h"

#include "memo/Normalise.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly::memo::test {
namespace {

namespace fs = std::filesystem;

class FileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("tessaly-file-test-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static void write(const fs::path& p, const std::string& bytes)
    {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    static std::string read(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir_;
};

TEST_F(FileTest, MissingFileGivesOpenErrorAndKeepsTheText)
{
    TSyntaxMemo m;
    m.setSelText("keep");
    const fs::path missing = dir_ / "nope.html";
    try {
        m.loadFromFile(missing);
        ADD_FAILURE();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "File '" + missing.string() + "' cannot be opened for reading");
    }
    EXPECT_EQ(storeText(m), "keep");
    EXPECT_THROW(m.loadFromFile(dir_), EFOpenError) << "a folder is not a file";
}

TEST_F(FileTest, SaveAndLoadRoundTripWithCrLf)
{
    TSyntaxMemo m;
    m.setOptions({TSyntaxMemoOption::smoTitleAsFilename});
    m.setSelText("a\nb\r\nc");
    const fs::path f = dir_ / "page.html";
    m.saveToFile(f);
    EXPECT_EQ(read(f), "a\r\nb\r\nc");
    EXPECT_FALSE(m.canUndo());
    EXPECT_EQ(m.printTitle(), f.string());
    TSyntaxMemo n;
    n.loadFromFile(f);
    EXPECT_EQ(n.text(), "a\r\nb\r\nc");
    EXPECT_FALSE(n.modified());
}

TEST_F(FileTest, FailedSaveLeavesTheOldFileWhole)
{
    const fs::path f = dir_ / "old.html";
    write(f, "precious");
    TSyntaxMemo m;
    m.setSelText("new text");
    m.setSaveFormat(TSaveFormat::sfHTML);
    m.styledWriter = [](TSyntaxMemo&, std::ostream& out, TSaveFormat) {
        out << "half";
        throw std::runtime_error("disk full");
    };
    try {
        m.saveToFile(f);
        ADD_FAILURE();
    } catch (const EFCreateError& e) {
        EXPECT_NE(std::string(e.what()).find(f.string()), std::string::npos) << e.what();
    }
    EXPECT_EQ(read(f), "precious");
    EXPECT_TRUE(m.modified()) << "a failed save leaves the document modified";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "no temporary left";

    EXPECT_THROW(m.saveToFile(dir_ / "no-such-folder" / "x.html"), EFCreateError);
}

// The user owns the folder (so a rename in it would succeed) but not the
// right to write the file: saving must not replace it.
TEST_F(FileTest, ReadOnlyFileIsNeverReplaced)
{
    using tessaly::test::TUnprivilegedUser;
    ASSERT_EQ(::chown(dir_.c_str(), TUnprivilegedUser::uid(), TUnprivilegedUser::gid()), 0);
    const fs::path f = dir_ / "locked.html";
    const fs::path link = dir_ / "link.html";
    write(f, "precious\r\n");
    ASSERT_EQ(::chmod(f.c_str(), 0444), 0);
    fs::create_symlink(f.filename(), link);
    struct stat before { };
    ASSERT_EQ(::stat(f.c_str(), &before), 0);

    {
        TUnprivilegedUser user;
        for (const fs::path& name : {f, link}) {
            TSyntaxMemo m;
            m.loadFromFile(name);
            m.setSelText("edited");
            ASSERT_TRUE(m.modified());
            try {
                m.saveToFile(name);
                ADD_FAILURE() << "saved over a read-only file through " << name;
            } catch (const EFWriteDenied& e) {
                EXPECT_NE(std::string(e.what()).find(name.string()), std::string::npos) << e.what();
            }
            EXPECT_TRUE(m.modified()) << "the edit is still unsaved";
        }
    }

    struct stat after { };
    ASSERT_EQ(::stat(f.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced";
    EXPECT_EQ(after.st_mode & 07777, 0444u);
    EXPECT_EQ(read(f), "precious\r\n");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2) << "no temporary left";
}

TEST_F(FileTest, UnreadableFileGivesOpenError)
{
    using tessaly::test::TUnprivilegedUser;
    const fs::path f = dir_ / "secret.html";
    write(f, "secret");
    ASSERT_EQ(::chmod(f.c_str(), 0000), 0);
    TSyntaxMemo m;
    m.setSelText("keep");
    TUnprivilegedUser user;
    EXPECT_THROW(m.loadFromFile(f), EFOpenError);
}

TEST_F(FileTest, SaveKeepsPermissionsAndFollowsSymlinks)
{
    const fs::path target = dir_ / "real.html";
    const fs::path link = dir_ / "link.html";
    write(target, "old");
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("real.html", link);
    TSyntaxMemo m;
    m.setSelText("new");
    m.saveToFile(link);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(read(target), "new");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(FileTest, HugeLineWithoutBreaksLoadsIntoContinuationRecords)
{
    const fs::path f = dir_ / "long.txt";
    std::string big(5 * 1024 * 1024, 'w');
    big[12345] = '\t';
    write(f, big);
    TSyntaxMemo m;
    m.loadFromFile(f);
    EXPECT_EQ(m.textLength(), static_cast<std::int64_t>(big.size()));
    EXPECT_TRUE(storeConsistent(m));
    const std::int64_t recs = m.store().recordCount().value();
    EXPECT_EQ(recs, (static_cast<std::int64_t>(big.size()) + 2046) / 2047);
    for (std::int64_t r = 1; r < recs; ++r)
        ASSERT_NE(m.store().meta(TRecordIndex(r)).bookmarks & kContinuationBit, 0) << r;
    EXPECT_EQ(storeText(m), big);
}

// A file goes into the store in pieces of its decoded text: lines and long
// lines that run over the pieces' borders come out as a stream load makes them.
TEST_F(FileTest, BigFileLoadsIntoTheRecordsOfAStreamLoad)
{
    std::string bytes;
    for (int i = 0; bytes.size() < 3'500'000; ++i) {
        bytes += i % 7 == 0 ? std::string(3000 + i % 1500, 'L') : "line\t" + std::to_string(i);
        bytes += i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r";
    }
    const fs::path f = dir_ / "big.txt";
    write(f, bytes);
    TSyntaxMemo fromFile, fromStream;
    fromFile.loadFromFile(f);
    std::istringstream in(bytes);
    fromStream.loadFromStream(in);
    EXPECT_EQ(storeText(fromFile), storeText(fromStream));
    ASSERT_EQ(fromFile.store().recordCount().value(), fromStream.store().recordCount().value());
    for (std::int64_t r = 0; r < fromFile.store().recordCount().value(); ++r)
        ASSERT_EQ(fromFile.store().meta(TRecordIndex(r)).length, fromStream.store().meta(TRecordIndex(r)).length) << r;
    EXPECT_TRUE(storeConsistent(fromFile));
}

TEST_F(FileTest, EveryByteValueAndLineBreaksAcrossReadChunks)
{
    std::string bytes;
    for (int rep = 0; rep < 300; ++rep)
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
    // A CR LF split exactly over the loader's 64 KiB read boundary.
    bytes.resize(65535, 'k');
    bytes += "\r\n\n\r\rz";
    TSyntaxMemo m;
    std::istringstream in(bytes);
    m.loadFromStream(in);
    EXPECT_EQ(storeText(m), normalise(bytes));
    EXPECT_TRUE(storeConsistent(m));
    std::ostringstream out;
    m.saveToStream(out);
    EXPECT_EQ(out.str(), toCrLf(normalise(bytes)));
}

// Files in every encoding and line-break style the editor reads: open and
// save without an edit gives the same bytes; an edit changes only its bytes.
TEST_F(FileTest, OpenAndSaveKeepsEveryFileByteForByte)
{
    // Each file, and the same file with "X" typed at the start of its second line.
    const std::vector<std::pair<std::string, std::string>> files{
        {"<p>\nline two\n</p>\n", "<p>\nXline two\n</p>\n"},
        {"<p>\r\nline two\r\n</p>", "<p>\r\nXline two\r\n</p>"},
        {"<p>\rline two\r</p>\r", "<p>\rXline two\r</p>\r"},
        {"\xEF\xBB\xBF<p>\ncaf\xC3\xA9</p>\n", "\xEF\xBB\xBF<p>\nXcaf\xC3\xA9</p>\n"},
        {"<p>\r\ncaf\xC3\xA9</p>\r\n", "<p>\r\nXcaf\xC3\xA9</p>\r\n"},
        {"<p>\ncaf\xE9 \x93q\x94 \xA9</p>\n", "<p>\nXcaf\xE9 \x93q\x94 \xA9</p>\n"}, // Windows-1252
        {std::string("\xFF\xFE<\0\r\0\n\0\xAC\x20", 10), std::string("\xFF\xFE<\0\r\0\n\0X\0\xAC\x20", 12)},
        {std::string("\xFE\xFF\0<\0\n\x20\xAC", 8), std::string("\xFE\xFF\0<\0\n\0X\x20\xAC", 10)},
        {"form\x0C" "feed\nend", "form\x0C" "feed\nXend"},
    };
    int n = 0;
    for (const auto& [bytes, edited] : files) {
        const fs::path f = dir_ / ("file" + std::to_string(++n) + ".html");
        write(f, bytes);
        TSyntaxMemo m;
        m.loadFromFile(f);
        m.saveToFile(f);
        EXPECT_EQ(read(f), bytes) << "file " << n;

        TSyntaxMemo e;
        e.loadFromFile(f);
        e.setSelStart(e.store().recordStart(TRecordIndex(1)).value());
        e.setSelText("X");
        e.saveToFile(f);
        EXPECT_EQ(read(f), edited) << "edited file " << n;
    }
}

TEST_F(FileTest, MixedLineBreaksAreSavedInTheMostFrequentStyle)
{
    const fs::path f = dir_ / "mixed.html";
    write(f, "a\r\nb\nc\nd\re");
    TSyntaxMemo m;
    m.loadFromFile(f);
    EXPECT_TRUE(m.textFormat().mixedLineEnds);
    EXPECT_EQ(m.textFormat().lineEnd, TLineEnd::lf);
    m.saveToFile(f);
    EXPECT_EQ(read(f), "a\nb\nc\nd\ne");
}

TEST_F(FileTest, BinaryFileIsRefusedAndTheTextKept)
{
    const fs::path f = dir_ / "image.png";
    write(f, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 17));
    TSyntaxMemo m;
    m.setSelText("keep");
    try {
        m.loadFromFile(f);
        ADD_FAILURE();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "File '" + f.string() + "' cannot be opened as text: it holds NUL bytes (binary data)");
    }
    EXPECT_EQ(storeText(m), "keep");
}

TEST_F(FileTest, Latin1DocumentTakesTypedCharactersInItsOwnBytes)
{
    const fs::path f = dir_ / "latin.html";
    write(f, "d\xE9j\xE0\n");
    TSyntaxMemo m;
    m.loadFromFile(f);
    EXPECT_EQ(m.textFormat().encoding, TEncoding::windows1252);
    EXPECT_EQ(m.textFormat().lineEnd, TLineEnd::lf);
    m.setSelStart(m.textLength());
    m.setSelText("\xC3\xBC"); // typed as UTF-8 by the view
    m.saveToFile(f);
    EXPECT_EQ(read(f), "d\xE9j\xE0\n\xFC");

    // A character Windows-1252 has no byte for stops the save; the file stays.
    m.setSelText("\xE4\xB8\xAD");
    EXPECT_THROW(m.saveToFile(f), ETextEncode);
    EXPECT_EQ(read(f), "d\xE9j\xE0\n\xFC");
    EXPECT_TRUE(m.modified());
    TTextFormat utf8 = m.textFormat();
    utf8.encoding = TEncoding::utf8;
    m.setTextFormat(utf8);
    m.saveToFile(f);
    EXPECT_EQ(read(f), "d\xC3\xA9j\xC3\xA0\n\xC3\xBC\xE4\xB8\xAD");
}

TEST_F(FileTest, ForcedEncodingReadsTheBytesAnew)
{
    const fs::path f = dir_ / "page.html";
    write(f, "caf\xC3\xA9\n");
    TSyntaxMemo m;
    m.loadFromFile(f, TEncoding::windows1252);
    EXPECT_EQ(storeText(m), "caf\xC3\x83\xC2\xA9\r");
    EXPECT_EQ(m.textFormat().encoding, TEncoding::windows1252);
    m.saveToFile(f);
    EXPECT_EQ(read(f), "caf\xC3\xA9\n");
}

TEST_F(FileTest, NewDocumentSavesCrLfAndUnixFormatSavesLf)
{
    TSyntaxMemo m;
    m.setSelText("a\nb");
    const fs::path f = dir_ / "new.html";
    m.saveToFile(f);
    EXPECT_EQ(read(f), "a\r\nb");
    m.setSaveFormat(TSaveFormat::sfUNIX);
    m.saveToFile(f);
    EXPECT_EQ(read(f), "a\nb");
}

} // namespace
} // namespace tessaly::memo::test
