// Find, Replace and Find Next on their own, with a fake main window that
// hands out plain text views.
#include "app/SearchCommands.h"
#include "memo/SyntaxMemo.h"
#include "platform/ScriptedDialogs.h"
#include "widgets/SearchDialog.h"
#include "widgets/SyntaxMemoView.h"

#include <QtTest>

#include <vector>

using tessaly::app::TSearchCommands;
using tessaly::memo::TSearchFlags;
using tessaly::platform::TScriptedDialogs;
using tessaly::widgets::TSearchDialog;
using tessaly::widgets::TSyntaxMemoView;

namespace {

class FakeHost final : public TSearchCommands::Host {
public:
    TSyntaxMemoView* view = nullptr;
    bool regExp = false;
    TSyntaxMemoView* searchView() override { return view; }
    bool regExpChecked() const override { return regExp; }
};

// Where a plain text search finds `needle` in `text`, in order.
std::vector<std::int64_t> startsOf(const std::string& text, const std::string& needle)
{
    std::vector<std::int64_t> out;
    for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size()))
        out.push_back(static_cast<std::int64_t>(at));
    return out;
}

void setText(TSyntaxMemoView& view, const std::string& text)
{
    view.memo().selectAll();
    view.memo().setSelText(text);
    view.memo().setSelStart(0);
}

} // namespace

class SearchMemoryTest : public QObject {
    Q_OBJECT

private slots:
    void withoutADocumentNothingHappens()
    {
        FakeHost host;
        TScriptedDialogs dialogs;
        TSearchCommands commands(host, dialogs);
        commands.find();
        commands.replace();
        commands.findNext();
        QVERIFY(dialogs.messages.empty());
        QVERIFY(commands.rememberedText().empty());
        QCOMPARE(commands.check(), std::string());
    }

    // Find Next takes the document's own last search, repeats it match by
    // match, and reports the end once, in its own words; the document's
    // report is held back for that call only.
    void findNextWalksTheMatchesAndReportsTheEndOnce()
    {
        const std::string text = "beta alpha Beta\rbeta gamma betabeta";
        FakeHost host;
        TScriptedDialogs dialogs;
        TSyntaxMemoView view;
        host.view = &view;
        setText(view, text);
        int documentReports = 0;
        view.memo().onSearchFail = [&](tessaly::memo::TSyntaxMemo&, const std::string&) { ++documentReports; };
        TSearchCommands commands(host, dialogs);

        commands.findNext();
        QVERIFY(dialogs.messages.empty()); // no search yet
        view.memo().setLastSearch(TSearchFlags::MatchCase, "beta");
        for (std::int64_t start : startsOf(text, "beta")) {
            commands.findNext();
            QCOMPARE(view.memo().selStart(), start);
            QCOMPARE(view.memo().selText(), std::string("beta"));
        }
        QCOMPARE(commands.rememberedText(), std::string("beta"));
        QVERIFY(commands.rememberedFlags() == TSearchFlags::MatchCase);
        QCOMPARE(commands.check(), std::string());

        commands.findNext();
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
        QCOMPARE(dialogs.messages[0].text, std::string("\"beta\" not found."));
        QCOMPARE(documentReports, 0);
        view.memo().onSearchFail(view.memo(), "x");
        QCOMPARE(documentReports, 1); // given back
    }

    // The remembered search goes with the user to another document, and a
    // search made in that document's dialog does not replace it.
    void theRememberedSearchFollowsTheActiveDocument()
    {
        FakeHost host;
        TScriptedDialogs dialogs;
        TSyntaxMemoView first;
        TSyntaxMemoView second;
        setText(first, "one two one");
        const std::string text = "zero one\rone one";
        setText(second, text);
        TSearchCommands commands(host, dialogs);
        host.view = &first;
        first.memo().setLastSearch(TSearchFlags(), "one");
        commands.findNext();
        QCOMPARE(first.memo().selStart(), std::int64_t{0});

        host.view = &second;
        second.memo().setLastSearch(TSearchFlags(), "zero");
        for (std::int64_t start : startsOf(text, "one")) {
            commands.findNext();
            QCOMPARE(second.memo().selStart(), start);
        }
        QCOMPARE(commands.check(), std::string());
    }

    // Find and Replace share the document's one dialog, which starts with
    // the regular-expression switch of the main window; what Find leaves
    // behind is a search, never the "at once" of Find Next.
    void findAndReplaceOpenTheDocumentsDialog()
    {
        FakeHost host;
        TScriptedDialogs dialogs;
        TSyntaxMemoView view;
        host.view = &view;
        setText(view, "a-b-c");
        TSearchCommands commands(host, dialogs);
        view.memo().setLastSearch(TSearchFlags::AtOnce | TSearchFlags::WholeWord, "b");
        host.regExp = true;
        commands.find();
        auto found = view.findChildren<TSearchDialog*>();
        QCOMPARE(found.size(), 1);
        QVERIFY(found[0]->mode() == TSearchDialog::Mode::find);
        QVERIFY(found[0]->flags().has(TSearchFlags::RegExp));
        QCOMPARE(commands.rememberedText(), std::string("b"));
        QVERIFY(commands.rememberedFlags() == TSearchFlags::WholeWord);
        QCOMPARE(commands.check(), std::string());

        host.regExp = false;
        commands.replace();
        found = view.findChildren<TSearchDialog*>();
        QCOMPARE(found.size(), 1);
        QVERIFY(found[0]->mode() == TSearchDialog::Mode::replace);
        found[0]->close();
        QVERIFY(dialogs.messages.empty());
    }
};

QTEST_MAIN(SearchMemoryTest)
#include "SearchMemoryTest.moc"
