// The active language's key assignments drive the document's editor.
#include "ShellTestSupport.h"

#include "memo/KeyMap.h"
#include "parser/SyntaxMemoParser.h"

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
};

QTEST_MAIN(EditorKeysTest)
#include "EditorKeysTest.moc"
