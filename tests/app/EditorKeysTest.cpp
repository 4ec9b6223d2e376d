// The active language's settings drive the document's editor: its key
// assignments, and settings changed through Properties.
#include "ShellTestSupport.h"

#include "memo/KeyMap.h"
#include "parser/runtime/SyntaxMemoParser.h"

using namespace shelltest;

class EditorKeysTest : public QObject {
    Q_OBJECT
private slots:
    void keysFollowTheActiveParser()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        // The built-in languages bring the default assignments.
        QCOMPARE(e->code().keyMap().bindings().size(), std::size_t(44));

        // A language that binds Ctrl+E to Undo (41): Ctrl+E then undoes.
        e->parserAt(4).tables().settings.keys.bind(tessaly::memo::kKeyCtrl | 'E', 0, 41);
        e->setActiveParser(4);
        const std::string before = e->memo().text();
        e->memo().selectAll();
        e->memo().setSelText("x");
        QTest::keyClick(&e->code(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(e->memo().text(), before);
    }

    void propertiesAppliesChangedSettings()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        int shown = 0;
        e->parserAt(e->activeParser()).optionsDialog = [&shown](tessaly::parser::TSyntaxMemoParser& p, tessaly::memo::TSyntaxMemo&) {
            ++shown;
            p.tables().settings.tabDefault = 7;
            return true;
        };
        s.item("Properties1")->trigger();
        QCOMPARE(shown, 1);
        QCOMPARE(e->memo().tabDefault(), 7);
    }
};

QTEST_MAIN(EditorKeysTest)
#include "EditorKeysTest.moc"
