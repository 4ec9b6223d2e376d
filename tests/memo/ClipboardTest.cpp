#include "MemoTestUtil.h"

namespace tessaly::memo::test {
namespace {

TEST(Clipboard, CopyCutAndPasteAsOneStepEach)
{
    TSyntaxMemo m;
    TMemoryClipboard clip;
    m.setClipboard(&clip);
    EXPECT_FALSE(m.canPaste());
    m.setSelText("ab\r\ncd");
    m.clearUndo();
    m.setSelection(1, 4);
    m.copyToClipboard();
    EXPECT_EQ(clip.text(), "b\r\nc");
    EXPECT_TRUE(m.canPaste());
    m.cutToClipboard();
    EXPECT_EQ(storeText(m), "ad");
    m.setSelStart(2);
    m.pasteFromClipboard();
    EXPECT_EQ(storeText(m), "adb\rc");
    m.undo();
    EXPECT_EQ(storeText(m), "ad");
    m.undo();
    EXPECT_EQ(storeText(m), "ab\rcd");
    EXPECT_FALSE(m.canUndo());
}

TEST(Clipboard, RtfGoesAlongWhenAWriterIsSet)
{
    TSyntaxMemo m;
    TMemoryClipboard clip;
    m.setClipboard(&clip);
    m.setSelText("x");
    m.selectAll();
    m.rtfWriter = [](TSyntaxMemo& memo) { return "{\\rtf1 " + memo.selText() + "}"; };
    m.copyToClipboard();
    EXPECT_EQ(clip.rtf(), "{\\rtf1 x}");
    m.setClipCopyFormats({true, false});
    m.copyToClipboard();
    EXPECT_EQ(clip.rtf(), "");
}

TEST(Clipboard, HtmlFragmentsAndTheDropHandler)
{
    TSyntaxMemo m;
    TMemoryClipboard clip;
    m.setClipboard(&clip);
    clip.setContents("plain", "", "Version:0.9\r\n<html><body><!--StartFragment--><b>bold</b><!--EndFragment--></body>");
    m.pasteFromClipboard();
    EXPECT_EQ(m.text(), "Version:0.9\r\n<html><body><!--StartFragment--><b>bold</b><!--EndFragment--></body>")
        << "without the fragment flag the HTML comes whole";

    m.clear();
    m.onDataDrop = [](TSyntaxMemo&, std::uint32_t& src) { src |= dsHtmlFragment; };
    m.pasteFromClipboard();
    EXPECT_EQ(m.text(), "<b>bold</b>");

    m.clear();
    m.onDataDrop = [](TSyntaxMemo&, std::uint32_t& src) { src |= dsHtmlFirstTag; };
    m.pasteFromClipboard();
    EXPECT_EQ(m.text(), "<html><body><!--StartFragment--><b>bold</b><!--EndFragment--></body>");

    m.clear();
    m.onDataDrop = [](TSyntaxMemo&, std::uint32_t& src) { src = 0; };
    m.pasteFromClipboard();
    EXPECT_EQ(m.text(), "");
}

} // namespace
} // namespace tessaly::memo::test
