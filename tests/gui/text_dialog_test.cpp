#include "dialogs/text_dialog.h"
#include "storage/diagram_codec.h"

#include <QPlainTextEdit>
#include <QTest>

namespace corvix {

class TextDialogTest : public QObject {
    Q_OBJECT

private slots:
    void textIsCutToTheBlockRecordLimit_data();
    void textIsCutToTheBlockRecordLimit();
};

void TextDialogTest::textIsCutToTheBlockRecordLimit_data()
{
    QTest::addColumn<int>("startChars");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("expectedTail");

    QTest::newRow("fits") << 32760 << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("paste cut at the limit") << 32760 << QStringLiteral("0123456789") << QStringLiteral("0123456");
    // A line break is saved as CR LF: two bytes.
    QTest::newRow("line break counts two") << 32765 << QStringLiteral("\nx") << QStringLiteral("\n");
    QTest::newRow("typing at the limit") << 32767 << QStringLiteral("z") << QString();
}

void TextDialogTest::textIsCutToTheBlockRecordLimit()
{
    QFETCH(int, startChars);
    QFETCH(QString, inserted);
    QFETCH(QString, expectedTail);

    TextDialog dialog;
    const QString start(startChars, QLatin1Char('a'));
    dialog.editText(start);
    auto* edit = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Entrada_texto"));
    QCOMPARE(edit->textCursor().selectedText(), start);  // the whole text is selected
    edit->moveCursor(QTextCursor::End);
    edit->insertPlainText(inserted);

    QCOMPARE(dialog.text(), start + expectedTail);
    QVERIFY(textByteCount(dialog.text()) <= kMaxTextBytes);
}

} // namespace corvix

QTEST_MAIN(corvix::TextDialogTest)
#include "text_dialog_test.moc"
