// Editor Options from Edit > Properties: each page changes what the editor
// shows after OK and nothing after Cancel; a change reaches every document
// of the language and is kept in the registry for new documents.
#include "ShellTestSupport.h"

#include "app/LanguageStore.h"
#include "memo/KeyMap.h"
#include "parser/StyleString.h"
#include "parser/runtime/SyntaxMemoParser.h"
#include "platform/Registry.h"
#include "widgets/OptionsDialog.h"
#include "widgets/LanguageSettings.h"
#include "widgets/OptionsHighlightPage.h"
#include "widgets/QtColor.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>

using namespace shelltest;
using tessaly::memo::TSyntaxMemoOption;
using tessaly::widgets::TOptionsDialog;

namespace {

template <class W>
W* find(QDialog& d, const char* name)
{
    W* w = d.findChild<W*>(QString::fromLatin1(name));
    if (!w)
        qWarning("no %s", name);
    return w;
}

// Runs Edit > Properties with the dialog driven by edit; the dialog ends
// with result.
void properties(Shell& s, const std::function<void(TOptionsDialog&)>& edit, int result = QDialog::Accepted)
{
    s.form->modalRunner = [&](QDialog& d) {
        auto* options = dynamic_cast<TOptionsDialog*>(&d);
        if (!options)
            return int(QDialog::Rejected);
        s.modalShown.append(d.windowTitle());
        edit(*options);
        if (result == QDialog::Accepted) {
            d.accept();
            return d.result();
        }
        return result;
    };
    s.item("Properties1")->trigger();
}

QTreeWidgetItem* commandRow(QTreeWidget& list, const QString& name)
{
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        if (list.topLevelItem(i)->text(0) == name)
            return list.topLevelItem(i);
    return nullptr;
}

} // namespace

class EditorOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void theDialogHasItsCaptionAndSixPages()
    {
        Shell s;
        s.start();
        s.form->newClick();
        QStringList captions;
        properties(s, [&](TOptionsDialog& d) {
            for (int i = 0; i < d.pages().count(); ++i)
                captions << d.pages().tabText(i);
        }, QDialog::Rejected);
        QCOMPARE(s.modalShown, QStringList{QStringLiteral("Editor Options")});
        QCOMPARE(captions, (QStringList{"Options", "Highlighting", "Key assignments", "Print Options", "Auto correct",
                                        "Code templates"}));
    }

    void optionsPageAppliesOnOkToEveryDocumentOfTheLanguage()
    {
        Shell s;
        s.start();
        TEditor* other = s.form->newClick();
        TEditor* html = s.form->newClick();
        s.form->languageClick(1);
        TEditor* e = s.form->newClick(); // JavaScript, like other
        s.dialogs->fonts.push_back(tessaly::platform::TFontChoice{"DejaVu Sans Mono", 13});
        s.dialogs->colors.push_back(tessaly::platform::TRgb{10, 20, 30});
        properties(s, [](TOptionsDialog& d) {
            find<QSpinBox>(d, "TabWidth")->setValue(8);
            find<QCheckBox>(d, "smoAutoIndent")->setChecked(false);
            find<QSpinBox>(d, "GutterWidth")->setValue(50);
            find<QPushButton>(d, "Font")->click();
            find<QPushButton>(d, "GutterColour")->click();
        });
        for (TEditor* doc : {e, other}) {
            QCOMPARE(doc->memo().tabDefault(), 8);
            QVERIFY(!doc->memo().hasOption(TSyntaxMemoOption::smoAutoIndent));
            QCOMPARE(doc->code().gutter(), 50);
            QCOMPARE(doc->code().font().pointSize(), 13);
            QCOMPARE(doc->code().gutterColor(), QColor(10, 20, 30));
        }
        QCOMPARE(html->memo().tabDefault(), 4);
        QVERIFY(html->memo().hasOption(TSyntaxMemoOption::smoAutoIndent));

        // Tab width 8 reaches typing: a tab at the line start goes to column 9.
        e->memo().setSelection(0, 0);
        QTest::keyClick(&e->code(), Qt::Key_Tab);
        QCOMPARE(e->memo().getCaretPos().columnNumber(), 9);
    }

    void cancelChangesNothing()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        const auto before = e->parserAt(2).tables().settings;
        s.dialogs->colors.push_back(tessaly::platform::TRgb{1, 2, 3});
        properties(s, [](TOptionsDialog& d) {
            find<QSpinBox>(d, "TabWidth")->setValue(9);
            find<QCheckBox>(d, "smoShowGutter")->setChecked(false);
            auto* page = dynamic_cast<tessaly::widgets::TOptionsHighlightPage*>(d.page("Highlighting"));
            page->applyScheme(QStringLiteral("Dark"));
        }, QDialog::Rejected);
        QCOMPARE(e->memo().tabDefault(), 4);
        QVERIFY(e->memo().hasOption(TSyntaxMemoOption::smoShowGutter));
        QVERIFY(e->parserAt(2).tables().settings == before);
        QVERIFY(!QFile::exists(QString::fromStdString(s.form->languageStore().registry().file().string())));
    }

    void highlightingShowsTheChangeBeforeOkAndInTheEditorAfter()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        const QColor pageBefore = e->code().palette().color(QPalette::Base);
        s.dialogs->colors.push_back(tessaly::platform::TRgb{0, 128, 0});
        QColor previewColour;
        QString styleName;
        properties(s, [&](TOptionsDialog& d) {
            auto* styles = find<QListWidget>(d, "Styles");
            QVERIFY(styles->count() > 0);
            styles->setCurrentRow(0);
            styleName = styles->item(0)->text();
            auto* page = dynamic_cast<tessaly::widgets::TOptionsHighlightPage*>(d.page("Highlighting"));
            find<QPushButton>(d, "Foreground")->click();
            find<QCheckBox>(d, "Bold")->setChecked(true);
            const auto& st = d.settings();
            const std::uint8_t styleNo = st.editableStyles[0].style;
            // Some token value of the example shows in that style in the preview.
            for (int v = 0; v < 256; ++v) {
                const int mapped = st.styleOf[static_cast<std::size_t>(v)];
                if (mapped == styleNo || (mapped < 0 && styleNo == 0))
                    previewColour = tessaly::widgets::toQColor(page->preview().tokenStyle(static_cast<std::uint8_t>(v)).foreground);
            }
            page->applyScheme(QStringLiteral("Dark"));
        });
        QCOMPARE(previewColour, QColor(0, 128, 0));
        const auto& settings = e->parserAt(2).tables().settings;
        const std::uint8_t styleNo = settings.editableStyles[0].style;
        QVERIFY(settings.styles[styleNo]->fontStyle & tessaly::parser::kBold);
        // Dark was applied after the colour: the page is dark now.
        QVERIFY(e->code().palette().color(QPalette::Base).lightness() < 60);
        QVERIFY(pageBefore != e->code().palette().color(QPalette::Base));
        for (int v = 0; v < 256; ++v)
            if (settings.styleOf[static_cast<std::size_t>(v)] == styleNo)
                QVERIFY(e->code().tokenStyle(static_cast<std::uint8_t>(v)).bold);
    }

    void keyAssignmentsAddAndRefuseAClash()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        properties(s, [](TOptionsDialog& d) {
            auto* list = find<QTreeWidget>(d, "KeyList");
            QTreeWidgetItem* undo = commandRow(*list, QStringLiteral("Undo"));
            QVERIFY(undo);
            list->setCurrentItem(undo);
            find<QLineEdit>(d, "FirstKey")->setText(QStringLiteral("Ctrl+E"));
            find<QLineEdit>(d, "SecondKey")->clear();
            find<QPushButton>(d, "AddKey")->click();
            // Ctrl+Y deletes the line already: binding it to Undo clashes.
            list->setCurrentItem(commandRow(*list, QStringLiteral("Undo")));
            find<QLineEdit>(d, "FirstKey")->setText(QStringLiteral("Ctrl+Y"));
            find<QPushButton>(d, "AddKey")->click();
        });
        QCOMPARE(s.dialogs->messages.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(s.dialogs->messages[0].text),
                 QStringLiteral("Duplicate key sequence definition for\r\n\"Delete current line\" and \"Undo\""));
        // Ctrl+E now undoes in the editor.
        const std::string before = e->memo().text();
        Shell::touch(e);
        QTest::keyClick(&e->code(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(e->memo().text(), before);
    }

    void layoutValuesAndSelectionColoursReachTheEditor()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        s.dialogs->colors.push_back(tessaly::platform::TRgb{200, 10, 10});
        s.dialogs->colors.push_back(tessaly::platform::TRgb{10, 200, 10});
        properties(s, [](TOptionsDialog& d) {
            auto* columns = find<QLineEdit>(d, "TabColumns");
            columns->setText(QStringLiteral("5 9"));
            emit columns->textEdited(columns->text());
            find<QSpinBox>(d, "IndentStep")->setValue(3);
            find<QSpinBox>(d, "RightMargin")->setValue(66);
            find<QSpinBox>(d, "WordWrapColumn")->setValue(40);
            auto* over = find<QLineEdit>(d, "WrapOverride");
            over->setText(QStringLiteral("#"));
            emit over->textEdited(over->text());
            find<QPushButton>(d, "SelTextColour")->click();
            find<QPushButton>(d, "SelTextBack")->click();
        });
        QCOMPARE(e->memo().tabColumns(), std::string("5 9"));
        QCOMPARE(e->memo().indentStep(), 3);
        QCOMPARE(e->code().rightMargin(), 66);
        QCOMPARE(e->memo().wrapAtColumn(), 40);
        QCOMPARE(e->memo().wrapOverride(), std::string("#"));
        QCOMPARE(e->code().selTextColor(), QColor(200, 10, 10));
        QCOMPARE(e->code().selTextBack(), QColor(10, 200, 10));
    }

    void printOptionsAndTitle()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        properties(s, [](TOptionsDialog& d) {
            find<QCheckBox>(d, "smoPrintDate")->setChecked(false);
            auto* title = find<QLineEdit>(d, "PrintTitle");
            title->setText(QStringLiteral("Monthly report"));
            emit title->textEdited(title->text());
        });
        QVERIFY(!e->memo().hasOption(TSyntaxMemoOption::smoPrintDate));
        QVERIFY(e->memo().hasOption(TSyntaxMemoOption::smoPrintPageNos));
        QCOMPARE(e->memo().printTitle(), std::string("Monthly report"));
    }

    void autoCorrectReplacesATypedWord()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        properties(s, [](TOptionsDialog& d) {
            auto* table = find<QTableWidget>(d, "AutoReplaceList");
            find<QPushButton>(d, "AddReplacement")->click();
            const int row = table->rowCount() - 1;
            table->item(row, 0)->setText(QStringLiteral("teh"));
            table->item(row, 1)->setText(QStringLiteral("the"));
        });
        e->memo().lines().setText("");
        QTest::keyClicks(&e->code(), QStringLiteral("teh cat tehx "));
        QCOMPARE(e->memo().text(), std::string("the cat tehx "));
    }

    void codeTemplatesExpandWithTheCaretMarkerAndIndent()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        properties(s, [](TOptionsDialog& d) {
            find<QPushButton>(d, "AddTemplate")->click();
            find<QLineEdit>(d, "TemplateName")->setText(QStringLiteral("iff"));
            emit find<QLineEdit>(d, "TemplateName")->textEdited(QStringLiteral("iff"));
            find<QPlainTextEdit>(d, "TemplateBody")->setPlainText(QStringLiteral("if (|) {\n}"));
        });
        e->memo().lines().setText("");
        QTest::keyClicks(&e->code(), QStringLiteral("    iff"));
        QTest::keyClick(&e->code(), Qt::Key_J, Qt::ControlModifier);
        QCOMPARE(e->memo().text(), std::string("    if () {\r\n    }"));
        QCOMPARE(e->memo().caret(), std::int64_t(8));
    }

    void shippedTemplatesExpandOutOfTheBox()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick(); // JavaScript
        QVERIFY(e->code().codeTemplates().items.size() >= 4);
        s.form->languageClick(1);
        QVERIFY(e->code().codeTemplates().items.size() >= 4);
    }

    void settingsAreKeptForNewDocuments()
    {
        Shell s;
        s.start();
        s.form->newClick();
        properties(s, [](TOptionsDialog& d) { find<QSpinBox>(d, "TabWidth")->setValue(6); });
        const std::string name = s.form->activeEditor()->parserAt(2).tables().settings.languageName;
        const auto value = s.form->languageStore().registry().readString("Orvane\\JavaScript", "Highlighting - " + name);
        QVERIFY(value.has_value());
        QVERIFY(s.exit());

        // The next run: a new document reads them back; other languages keep theirs.
        s.start();
        TEditor* e = s.form->newClick();
        QCOMPARE(e->memo().tabDefault(), 6);
        QCOMPARE(e->parserAt(1).tables().settings.tabDefault, 4);
        QVERIFY(s.dialogs->messages.empty());
    }

    void listsSwitchesAndPrintTitleAreKeptAcrossARestart()
    {
        Shell s;
        s.start();
        s.form->newClick();
        properties(s, [](TOptionsDialog& d) {
            auto* table = find<QTableWidget>(d, "AutoReplaceList");
            find<QPushButton>(d, "AddReplacement")->click();
            const int row = table->rowCount() - 1;
            table->item(row, 0)->setText(QStringLiteral("adn"));
            table->item(row, 1)->setText(QStringLiteral("and"));
            find<QCheckBox>(d, "ReplaceSwallow")->setChecked(true);
            find<QPushButton>(d, "AddTemplate")->click();
            find<QLineEdit>(d, "TemplateName")->setText(QStringLiteral("wh"));
            emit find<QLineEdit>(d, "TemplateName")->textEdited(QStringLiteral("wh"));
            find<QPlainTextEdit>(d, "TemplateBody")->setPlainText(QStringLiteral("while (|) {\n}"));
            auto* title = find<QLineEdit>(d, "PrintTitle");
            title->setText(QStringLiteral("Team notes"));
            emit title->textEdited(title->text());
            find<QSpinBox>(d, "RightMargin")->setValue(72);
        });
        QVERIFY(s.exit());

        // The next run: a new JavaScript document has all of them.
        s.start();
        TEditor* e = s.form->newClick();
        QCOMPARE(e->memo().printTitle(), std::string("Team notes"));
        QCOMPARE(e->code().rightMargin(), 72);
        e->memo().lines().setText("");
        QTest::keyClicks(&e->code(), QStringLiteral("adn "));
        QCOMPARE(e->memo().text(), std::string("and"));
        QTest::keyClicks(&e->code(), QStringLiteral(" wh"));
        QTest::keyClick(&e->code(), Qt::Key_J, Qt::ControlModifier);
        QCOMPARE(e->memo().text(), std::string("and while () {\r\n    }"));
        // The shipped templates are still there beside the new one.
        QVERIFY(e->code().codeTemplates().items.size() >= 5);
        // Another language keeps its own lists and has no title.
        s.form->languageClick(1);
        QCOMPARE(e->memo().printTitle(), std::string("Team notes"));
        QVERIFY(s.form->activeEditor()->parserAt(1).tables().settings.printTitle.empty());
        QVERIFY(s.dialogs->messages.empty());
    }

    void aRecordWithoutTheListsStillReads()
    {
        Shell s;
        s.start();
        tessaly::platform::Registry& reg = s.form->languageStore().registry();
        const auto builtin = s.form->newClick()->parserAt(2).tables().settings;
        s.form->closeAllClick();
        // The two values an earlier build wrote, without the lists.
        auto old = builtin;
        old.tabDefault = 5;
        reg.writeString("Orvane\\JavaScript", "Highlighting - " + old.languageName,
                        tessaly::parser::makeStyleString(old));
        reg.writeBinary("Orvane\\JavaScript", "Key Assignments - " + old.languageName,
                        tessaly::parser::makeKeyAssignments(old));
        TEditor* e = s.form->newClick();
        QCOMPARE(e->memo().tabDefault(), 5);
        QVERIFY(e->parserAt(2).tables().settings.templates == builtin.templates);
        QVERIFY(e->parserAt(2).tables().settings.autoReplace == builtin.autoReplace);
        QVERIFY(s.dialogs->messages.empty());
    }

    void aDamagedRecordIsReportedOnceAndLeftAlone()
    {
        Shell s;
        s.start();
        tessaly::platform::Registry& reg = s.form->languageStore().registry();
        const std::string name = s.form->newClick()->parserAt(2).tables().settings.languageName;
        s.form->closeAllClick();
        reg.writeString("Orvane\\JavaScript", "Highlighting - " + name, "Kelvar6:OPT#99#garbage");
        const std::string stored = readFile(QString::fromStdString(reg.file().string()));
        TEditor* a = s.form->newClick();
        TEditor* b = s.form->newClick();
        QCOMPARE(s.dialogs->messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(s.dialogs->messages[0].text).contains(QStringLiteral("JavaScript")));
        QCOMPARE(a->memo().tabDefault(), 4);
        QCOMPARE(b->memo().tabDefault(), 4);
        QCOMPARE(readFile(QString::fromStdString(reg.file().string())), stored);

        // OK replaces the damaged record with sound settings.
        properties(s, [](TOptionsDialog& d) { find<QSpinBox>(d, "TabWidth")->setValue(3); });
        TEditor* c = s.form->newClick();
        QCOMPARE(c->memo().tabDefault(), 3);
        QCOMPARE(s.dialogs->messages.size(), std::size_t(1));
    }
};

QTEST_MAIN(EditorOptionsTest)
#include "EditorOptionsTest.moc"
