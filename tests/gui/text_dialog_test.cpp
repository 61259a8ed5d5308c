#include "dialogs/text_dialog.h"
#include "scripted_dialogs.h"
#include "storage/diagram_codec.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace corvix {

class TextDialogTest : public QObject {
    Q_OBJECT

private slots:
    void textIsCutToTheBlockRecordLimit_data();
    void textIsCutToTheBlockRecordLimit();
    void okNamesWhatWouldBeStoredAsQuestionMarks_data();
    void okNamesWhatWouldBeStoredAsQuestionMarks();
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

    ScriptedDialogs dialogs;
    TextDialog dialog(dialogs);
    const QString start(startChars, QLatin1Char('a'));
    dialog.editText(start);
    auto* edit = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Entrada_texto"));
    QCOMPARE(edit->textCursor().selectedText(), start);  // the whole text is selected
    edit->moveCursor(QTextCursor::End);
    edit->insertPlainText(inserted);

    QCOMPARE(dialog.text(), start + expectedTail);
    QVERIFY(textByteCount(dialog.text()) <= kMaxTextBytes);
}

void TextDialogTest::okNamesWhatWouldBeStoredAsQuestionMarks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QString>("named");  // what the question lists
    QTest::addColumn<bool>("stored");

    QTest::newRow("Windows-1252 only, a ? of its own") << QStringLiteral("caf\u00e9 \u20AC?") << QList<bool>{}
                                                      << QString() << true;
    QTest::newRow("No goes back to the text") << QStringLiteral("\u03A9mega") << QList<bool>{false}
                                             << QStringLiteral(": \u03A9\u00A0(U+03A9).") << false;
    // A character outside the first plane, and a lower-case letter named as it is.
    QTest::newRow("each named once") << QStringLiteral("\u6F22\u5B57\u6F22 \U0001F600 \u03C9") << QList<bool>{true}
                                     << QStringLiteral(": \u6F22\u00A0(U+6F22), \u5B57\u00A0(U+5B57), \U0001F600\u00A0(U+1F600), "
                                                       "\u03C9\u00A0(U+03C9).")
                                     << true;
    QTest::newRow("a long list cut short") << QStringLiteral("\u0391\u0392\u0393\u0394\u0395\u0396\u0397\u0398"
                                                             "\u0399\u039A\u039B\u039C")
                                           << QList<bool>{true} << QStringLiteral("\u039A\u00A0(U+039A), and 2 more.") << true;
}

void TextDialogTest::okNamesWhatWouldBeStoredAsQuestionMarks()
{
    QFETCH(QString, text);
    QFETCH(QList<bool>, answers);
    QFETCH(QString, named);
    QFETCH(bool, stored);

    ScriptedDialogs dialogs;
    for (bool answer : answers)
        dialogs.answers.enqueue(answer);
    TextDialog dialog(dialogs);
    QSignalSpy accepted(&dialog, &TextDialog::textAccepted);
    dialog.editText(text);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);

    QCOMPARE(dialogs.questions.size(), answers.size());
    if (!named.isEmpty()) {
        QVERIFY2(dialogs.questions[0].contains(named), qPrintable(dialogs.questions[0]));
        QVERIFY(dialogs.questions[0].contains(QStringLiteral("stored as \"?\"")));
    }
    QCOMPARE(accepted.size(), stored ? 1 : 0);
    QCOMPARE(dialog.isVisible(), !stored);
    QCOMPARE(dialog.text(), text);
}

} // namespace corvix

QTEST_MAIN(corvix::TextDialogTest)
#include "text_dialog_test.moc"
