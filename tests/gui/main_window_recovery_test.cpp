#include "scripted_dialogs.h"
#include "support/diagram_samples.h"
#include "window/main_window.h"
#include "window_test_base.h"

#include <QAction>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace corvix {

// The editor window with its clock in the test's hand, started by each test.
class RecoveryWindowTest : public WindowTestBase {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void autosaveWritesOnTheTimerOnlyWithABlock();
    void startOffersTheRecoveryFile_data();
    void startOffersTheRecoveryFile();
    void closeDeletesTheRecoveryFileOnlyWhenTheWindowCloses();

private:
    void start(const QString& commandLine = {});
    QString recoveryPath() const { return path(QStringLiteral("salvamento.sav")); }
    // A diagram file of the sample drawing; its block count.
    int writeSample(const QString& file);

    double now_ = 1000;
};

void RecoveryWindowTest::init()
{
    now_ = 1000;
    makeWindow();
    window_->editor().setClock([this] { return now_; });
}

void RecoveryWindowTest::cleanup()
{
    destroyWindow();
}

void RecoveryWindowTest::start(const QString& commandLine)
{
    startWindow(commandLine.toStdString());
}

int RecoveryWindowTest::writeSample(const QString& file)
{
    const DiagramData sample = sampleDiagram();
    const std::vector<uint8_t> bytes = encodeSample(sample);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return -1;
    out.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    return int(sample.blocks.size());
}

void RecoveryWindowTest::autosaveWritesOnTheTimerOnlyWithABlock()
{
    start();
    now_ += 241;
    waitForTick();
    QVERIFY(!QFile::exists(recoveryPath()));

    QVERIFY(window_->editor().insere_bloco(BlockKind::Action, "== 0 ==", 200, 120));
    now_ += 241;
    waitForTick();
    QVERIFY(QFile::exists(recoveryPath()));
    QVERIFY(state_->modified);
    QCOMPARE(state_->fileName, std::string());
    QCOMPARE(captionTail(), QStringLiteral("< New >"));
    QVERIFY(dialogs_->messages.isEmpty());
}

void RecoveryWindowTest::startOffersTheRecoveryFile_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("recovered");
    QTest::newRow("yes: the recovered drawing, unnamed") << true << true;
    QTest::newRow("no: the command-line file") << false << false;
}

void RecoveryWindowTest::startOffersTheRecoveryFile()
{
    QFETCH(bool, answer);
    QFETCH(bool, recovered);
    const int sampleBlocks = writeSample(recoveryPath());
    const QString named = path(QStringLiteral("named.FXG"));
    QFile::copy(recoveryPath(), named);
    dialogs_->answers.enqueue(answer);

    start(named);

    QCOMPARE(dialogs_->questions,
             QStringList{QStringLiteral(
                 "The last session was terminated abnormally.\r\n Do you want to load the last saved session?")});
    QCOMPARE(state_->blockCount, sampleBlocks);
    QCOMPARE(state_->modified, recovered);
    QCOMPARE(QString::fromStdString(state_->fileName), recovered ? QString() : named);
    QCOMPARE(captionTail(), recovered ? QStringLiteral("< New >") : named);
    QVERIFY(!window_->findChild<QAction*>(QStringLiteral("mhist0"))->isVisible());
    QVERIFY(QFile::exists(recoveryPath()));
}

// No to the discard question keeps the window open, and with it the recovery file that
// is all a crash would leave of the unsaved work.
void RecoveryWindowTest::closeDeletesTheRecoveryFileOnlyWhenTheWindowCloses()
{
    writeSample(recoveryPath());
    dialogs_->answers.enqueue(true);
    start();
    QVERIFY(state_->modified);

    dialogs_->answers.enqueue(false);
    QVERIFY(!window_->close());
    QVERIFY(window_->isVisible());
    QVERIFY(QFile::exists(recoveryPath()));

    dialogs_->answers.enqueue(true);
    QVERIFY(window_->close());
    QVERIFY(!QFile::exists(recoveryPath()));
    QCOMPARE(dialogs_->questions.size(), 3);
}

} // namespace corvix

QTEST_MAIN(corvix::RecoveryWindowTest)
#include "main_window_recovery_test.moc"
