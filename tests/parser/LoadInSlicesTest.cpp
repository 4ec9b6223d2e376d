// A big file is shown once its first part is read and the rest follows in
// slices. Whatever happens meanwhile (edits, saves, searches, the file
// changing on disk), the document ends as a straight load of the file would
// have it, with the user's edits in their places, and values equal to a
// full highlight.
#include "BigDocumentSupport.h"

#include "memo/KeyCommands.h"
#include "memo/MemoErrors.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace tessaly::parser::test {
namespace {

namespace fs = std::filesystem;

class LoadInSlices : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("tessaly-slices-test-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path write(const std::string& name, const std::string& bytes)
    {
        const fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }
    static std::string read(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // An editor that shows files over 20 000 bytes after their first part
    // (a piece of the file: a quarter megabyte) and highlights documents
    // from 10 000 characters in a pass.
    void open(memo::TSyntaxMemo& m, const fs::path& file)
    {
        m.setParser(1, parser_.get());
        m.setActiveParser(1);
        m.setBackgroundHighlight(10'000);
        m.setLoadInSlices(20'000);
        m.loadFromFile(file);
    }
    // The text of the same file loaded straight through.
    static std::string straight(const fs::path& file)
    {
        memo::TSyntaxMemo m;
        m.loadFromFile(file);
        return m.textRange(0, m.textLength());
    }

    fs::path dir_;
    std::unique_ptr<TSyntaxMemoParser> parser_ = builtinParser(BuiltinLanguage::HTML);
};

// A page with LF line breaks, letters beyond ASCII and a line longer than a
// record, so pieces end inside characters, line breaks and records.
std::string mixedPage(int copies)
{
    std::string s = page(copies) + std::string(70'000, 'w') + "\r\n" + page(50);
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r')
            continue;
        out += s[i];
        if (i % 997 == 0)
            out += "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC ";
    }
    return out;
}

TEST_F(LoadInSlices, TheRestFollowsInSlicesAndEndsAsAStraightLoad)
{
    const fs::path file = write("page.html", mixedPage(6000));
    memo::TSyntaxMemo m;
    std::vector<bool> told;
    m.onHighlightPass = [&](memo::TSyntaxMemo& memo, bool running) { told.push_back(running && memo.loadPending()); };
    open(m, file);
    ASSERT_TRUE(m.loadPending());
    EXPECT_GE(m.textLength(), 20'000);
    EXPECT_LT(m.textLength(), static_cast<std::int64_t>(fs::file_size(file)) / 2);
    EXPECT_FALSE(m.store().recordTokens(memo::TRecordIndex(5)).empty()) << "the first page is highlighted at once";
    EXPECT_EQ(m.textFormat().lineEnd, memo::TLineEnd::lf) << "the format is that of the whole file";
    ASSERT_FALSE(told.empty());
    EXPECT_TRUE(told.back()) << "the editor hears that the file is being read";

    int slices = 0;
    std::int64_t length = m.textLength();
    while (m.highlightSlice(std::chrono::microseconds(300))) {
        ++slices;
        EXPECT_GE(m.textLength(), length);
        length = m.textLength();
        ASSERT_EQ(m.store().check(), "");
    }
    EXPECT_GT(slices, 5);
    EXPECT_FALSE(m.loadPending());
    EXPECT_FALSE(m.highlightPending());
    EXPECT_TRUE(m.textRange(0, m.textLength()) == straight(file));
    EXPECT_TRUE(allValues(m) == fullValues(m, BuiltinLanguage::HTML));
    EXPECT_EQ(m.highlightDriver().check(), "");
    EXPECT_FALSE(m.modified()) << "reading the rest is not an edit";
    EXPECT_FALSE(told.back());
}

TEST_F(LoadInSlices, ReadingLeavesTheScanningToThePass)
{
    // Even once all that was read is highlighted (as Highlight All does),
    // a slice that reads more scans nothing itself: the pass picks up from
    // the record that took more text, within its own slices.
    const fs::path file = write("page.html", mixedPage(6000));
    memo::TSyntaxMemo m;
    open(m, file);
    ASSERT_TRUE(m.loadPending());
    m.highlightAll();
    EXPECT_FALSE(m.highlightPending());
    while (m.loadPending()) {
        const std::int64_t scanned = m.scannedCharacters();
        m.highlightSlice(std::chrono::microseconds(300));
        EXPECT_EQ(m.scannedCharacters(), scanned);
        EXPECT_TRUE(m.highlightPending());
    }
    m.finishHighlight();
    EXPECT_TRUE(allValues(m) == fullValues(m, BuiltinLanguage::HTML));
}

TEST_F(LoadInSlices, EditsWhileTheRestIsReadStayWhereTheyWereMade)
{
    const std::string bytes = mixedPage(5000);
    const fs::path file = write("page.html", bytes);
    const std::string whole = straight(file);
    const char* pieces[] = {"<script>", "</script>", "\"", "<!--", "-->", "\r", "x", "/*", "*/", "<%", "%>", ""};
    for (const bool wrap : {false, true}) {
        std::mt19937 rng(wrap ? 11 : 3);
        memo::TSyntaxMemo m;
        if (wrap) {
            m.setWrapAtColumn(60);
            memo::TSyntaxMemoOptions o = m.options();
            o.set(memo::TSyntaxMemoOption::smoWordWrap);
            m.setOptions(o);
        }
        open(m, file);
        ASSERT_TRUE(m.loadPending());
        // The model: the text as edited, with what each slice read from the
        // file put at its end.
        std::string model = m.textRange(0, m.textLength());
        std::size_t read = model.size();
        while (m.highlightPending() || m.loadPending()) {
            const std::int64_t len = m.textLength();
            const std::int64_t a = rng() % 4 == 0 ? len : static_cast<std::int64_t>(rng() % static_cast<unsigned>(len + 1));
            const std::int64_t b = std::min(len, a + static_cast<std::int64_t>(rng() % 20));
            const std::string piece = pieces[rng() % std::size(pieces)];
            m.setSelection(a, b);
            m.setSelText(piece);
            model.replace(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a), piece);
            ASSERT_TRUE(m.textRange(0, m.textLength()) == model) << "after an edit at " << a;
            const std::int64_t before = m.textLength();
            m.highlightSlice(std::chrono::microseconds(100 + rng() % 300));
            const auto got = static_cast<std::size_t>(m.textLength() - before);
            model += whole.substr(read, got);
            read += got;
            ASSERT_EQ(m.highlightDriver().check(), "");
        }
        EXPECT_EQ(read, whole.size());
        EXPECT_TRUE(m.textRange(0, m.textLength()) == model);
        EXPECT_EQ(m.store().check(), "");
        EXPECT_TRUE(allValues(m) == fullValues(m, BuiltinLanguage::HTML)) << "wrap " << wrap;
        // Undoing every edit leaves the file as it is on disk.
        while (m.canUndo())
            m.undo();
        EXPECT_TRUE(m.textRange(0, m.textLength()) == whole) << "wrap " << wrap;
    }
}

TEST_F(LoadInSlices, WhatNeedsTheWholeTextWaitsForTheRest)
{
    std::string bytes = mixedPage(5000);
    bytes += "the last words: needle\n";
    const fs::path file = write("page.html", bytes);
    const std::int64_t wholeLength = static_cast<std::int64_t>(straight(file).size());

    // Saving right after the open writes the whole file back.
    {
        memo::TSyntaxMemo m;
        open(m, file);
        ASSERT_TRUE(m.loadPending());
        const fs::path copy = dir_ / "copy.html";
        m.saveToFile(copy);
        EXPECT_TRUE(read(copy) == bytes) << read(copy).size() << " bytes saved of " << bytes.size();
        EXPECT_FALSE(m.loadPending());
    }
    // Searching finds what is still unread.
    {
        memo::TSyntaxMemo m;
        open(m, file);
        EXPECT_GE(m.findText({}, "needle"), 0);
        EXPECT_EQ(m.selText(), "needle");
    }
    // Select All takes all of it; the end of the document is its real end.
    {
        memo::TSyntaxMemo m;
        open(m, file);
        m.selectAll();
        EXPECT_EQ(std::max(m.anchor(), m.caret()), wholeLength);
    }
    {
        memo::TSyntaxMemo m;
        open(m, file);
        m.executeCommand(memo::kcDocumentEnd);
        EXPECT_EQ(m.caret(), wholeLength);
    }
    // A caret restored past what is read (a session, a reload) lands there.
    {
        memo::TSyntaxMemo m;
        open(m, file);
        m.setSelection(wholeLength - 3, wholeLength - 3);
        EXPECT_EQ(m.caret(), wholeLength - 3);
    }
    // Loading another text drops the rest of the file.
    {
        memo::TSyntaxMemo m;
        open(m, file);
        m.lines().setText("small");
        EXPECT_FALSE(m.loadPending());
        EXPECT_FALSE(m.highlightSlice(std::chrono::milliseconds(5)));
        EXPECT_EQ(m.lines().text(), "small");
    }
}

TEST_F(LoadInSlices, ALateSurpriseIsFoundBeforeTheDocumentChanges)
{
    // Not UTF-8 after all, only near the end: the whole file is read as
    // Windows-1252 from the first page on.
    std::string latin = page(5000);
    latin += "caf\xE9\r\n";
    const fs::path latinFile = write("latin.html", latin);
    memo::TSyntaxMemo m;
    open(m, latinFile);
    ASSERT_TRUE(m.loadPending());
    EXPECT_EQ(m.textFormat().encoding, memo::TEncoding::windows1252);
    m.finishLoading();
    EXPECT_TRUE(m.textRange(0, m.textLength()) == straight(latinFile));

    // A NUL byte near the end refuses the file and keeps the document.
    std::string binary = page(5000);
    binary += std::string("\0", 1);
    const fs::path binaryFile = write("binary.html", binary);
    memo::TSyntaxMemo n;
    n.lines().setText("kept");
    EXPECT_THROW(open(n, binaryFile), memo::EFOpenError);
    EXPECT_FALSE(n.loadPending());
    EXPECT_EQ(n.lines().text(), "kept");
}

struct Errors : memo::TMemoMessages {
    std::vector<std::string> said;
    void error(const std::string& text) override { said.push_back(text); }
};

TEST_F(LoadInSlices, AFileChangedWhileItIsReadKeepsWhatWasReadReadOnly)
{
    for (const bool shorter : {true, false}) {
        const std::string bytes = page(5000);
        const fs::path file = write("page.html", bytes);
        memo::TSyntaxMemo m;
        Errors errors;
        m.setMessages(&errors);
        open(m, file);
        ASSERT_TRUE(m.loadPending());
        const std::int64_t shown = m.textLength();
        if (shorter)
            fs::resize_file(file, bytes.size() / 2);
        else
            std::ofstream(file, std::ios::binary | std::ios::app) << "more text";
        m.finishLoading();
        EXPECT_FALSE(m.loadPending());
        EXPECT_GE(m.textLength(), shown);
        EXPECT_TRUE(m.readOnly()) << "a save would write a file with its end missing";
        ASSERT_EQ(errors.said.size(), 1u);
        EXPECT_NE(errors.said[0].find("changed while it was being read"), std::string::npos) << errors.said[0];
        EXPECT_EQ(m.store().check(), "");
        // Read anew, the document can be edited again.
        m.loadFromFile(file);
        EXPECT_FALSE(m.readOnly());
        m.setMessages(nullptr);
    }
    // A document made read-only on purpose stays so through a load.
    memo::TSyntaxMemo kept;
    kept.setReadOnly(true);
    kept.loadFromFile(write("small.html", "<p>small</p>"));
    EXPECT_TRUE(kept.readOnly());
}

} // namespace
} // namespace tessaly::parser::test
