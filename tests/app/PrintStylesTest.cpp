// The token values that printing styles its text with.
#include "app/DocumentPrinter.h"

#include "memo/SyntaxMemo.h"
#include "parser/BuiltinDefinitions.h"
#include "parser/runtime/SyntaxMemoParser.h"

#include <QtTest>

using namespace tessaly;

class PrintStylesTest : public QObject {
    Q_OBJECT
private slots:
    void valuesFollowThePrintedCharacters()
    {
        parser::TSyntaxMemoParser html;
        html.setParser(parser::builtinParserForm(parser::BuiltinLanguage::HTML));
        memo::TSyntaxMemo m;
        m.setParser(1, &html);
        m.setActiveParser(1);
        m.setSelText("<b>\t\xC3\xA9\r\nplain");
        const QStringList lines = app::printLines(m, 4);
        const QList<QByteArray> values = app::printValues(m, 4);
        QCOMPARE(values.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(values[i].size(), lines[i].size());
        // The tab at column 3 prints as one space; the two bytes of the
        // accented letter are one printed character.
        const std::string_view stored = m.store().recordTokens(memo::TRecordIndex(0));
        QCOMPARE(lines[0], QStringLiteral("<b> \u00E9"));
        QCOMPARE(values[0][0], stored[0]);
        QCOMPARE(values[0][3], stored[3]);
        QCOMPARE(values[0][4], stored[4]);
        m.setSelStart(0);
        m.setSelText("\t");
        QCOMPARE(app::printValues(m, 4)[0].left(4), QByteArray(4, m.store().recordTokens(memo::TRecordIndex(0))[0]));
        QVERIFY(html.tokenStyle(static_cast<std::uint8_t>(values[0][1])).foreground
                != html.tokenStyle(static_cast<std::uint8_t>(values[1][0])).foreground);
    }

    void noValuesWithoutAParser()
    {
        memo::TSyntaxMemo m;
        m.setSelText("a\r\nb");
        const QList<QByteArray> values = app::printValues(m, 4);
        QCOMPARE(values.size(), 2);
        QVERIFY(values[0].isEmpty());
    }
};

QTEST_MAIN(PrintStylesTest)
#include "PrintStylesTest.moc"
