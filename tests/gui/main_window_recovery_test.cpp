#include "app/recovery_lock_files.h"
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

#include <sys/wait.h>
#include <unistd.h>

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
    void recoveryFileOpenedByNameIsUnsavedWork_data();
    void recoveryFileOpenedByNameIsUnsavedWork();
    void saveAsNeverWritesOntoTheRecoveryFile_data();
    void saveAsNeverWritesOntoTheRecoveryFile();
    void aSecondCorvixLeavesTheFirstOnesRecoveryFileAlone();
    void aLockIsTakenOverOnlyFromAProcessThatEnded();

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

    QVERIFY(window_->editor().commands().insere_bloco(BlockKind::Action, "== 0 ==", 200, 120));
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

void RecoveryWindowTest::recoveryFileOpenedByNameIsUnsavedWork_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("Open") << "open";
    QTest::newRow("recent file") << "recent";
    QTest::newRow("drop of a link to it") << "drop";
    QTest::newRow("command line") << "command line";
}

// Named after the recovery file, the drawing would count as saved, and the close that
// deletes the file would take it along without a question.
void RecoveryWindowTest::recoveryFileOpenedByNameIsUnsavedWork()
{
    QFETCH(QString, route);
    const int sampleBlocks = writeSample(recoveryPath());
    if (route == QLatin1String("recent")) {
        QFile history(path(QStringLiteral("history")));
        QVERIFY(history.open(QIODevice::WriteOnly));
        history.write(recoveryPath().toUtf8() + "\r\n");
    }
    dialogs_->answers.enqueue(false);  // not at start-up
    start(route == QLatin1String("command line") ? recoveryPath() : QString());

    if (route == QLatin1String("open")) {
        dialogs_->openPaths.enqueue(recoveryPath());
        action("mload")->trigger();
    } else if (route == QLatin1String("recent")) {
        action("mhist0")->trigger();
    } else if (route == QLatin1String("drop")) {
        const QString link = path(QStringLiteral("link.FXG"));  // only diagram names drop
        QVERIFY(QFile::link(recoveryPath(), link));
        QVERIFY(dropFile(link));
    }

    QCOMPARE(state_->blockCount, sampleBlocks);
    QCOMPARE(state_->fileName, std::string());
    QVERIFY(state_->modified);
    QCOMPARE(captionTail(), QStringLiteral("< New >"));
    QCOMPARE(action("mhist0")->isVisible(), route == QLatin1String("recent"));
    QVERIFY(!action("mhist1")->isVisible());

    dialogs_->answers.enqueue(false);
    QVERIFY(!window_->close());
    QCOMPARE(dialogs_->questions.size(), 2);
}

void RecoveryWindowTest::saveAsNeverWritesOntoTheRecoveryFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("autosaved");
    QTest::newRow("not written yet") << "salvamento.sav" << false;
    QTest::newRow("autosaved, another spelling") << "./salvamento.sav" << true;
    QTest::newRow("another Corvix's") << "salvamento-2.sav" << false;
}

void RecoveryWindowTest::saveAsNeverWritesOntoTheRecoveryFile()
{
    QFETCH(QString, name);
    QFETCH(bool, autosaved);
    const QString named = path(QStringLiteral("named.FXG"));
    writeSample(named);
    start(named);
    if (autosaved) {
        now_ += 241;
        waitForTick();
    }
    const auto recoveryBytes = [this] {
        QFile recovery(recoveryPath());
        return recovery.open(QIODevice::ReadOnly) ? recovery.readAll() : QByteArray();
    };
    const QByteArray before = recoveryBytes();

    const QString target = dir_->path() + QLatin1Char('/') + name;
    QTRY_VERIFY(action("msaveas")->isEnabled());
    dialogs_->savePaths.enqueue(target);
    action("msaveas")->trigger();

    QCOMPARE(dialogs_->messages,
             QStringList{QStringLiteral("The file (%1) is Corvix's recovery copy, which is deleted when Corvix "
                                        "closes. Please choose another name.")
                             .arg(target)});
    QCOMPARE(dialogs_->icons, QList<MessageIcon>{MessageIcon::Exclamation});
    QCOMPARE(QFile::exists(recoveryPath()), autosaved);
    QCOMPARE(recoveryBytes(), before);
    QCOMPARE(QString::fromStdString(state_->fileName), named);
    QCOMPARE(captionTail(), named);
    QVERIFY(!action("mhist0")->isVisible());
}

// Two windows over one folder are two Corvix running at once: each keeps its own recovery
// file, and the later one neither offers nor deletes the file the first still relies on.
void RecoveryWindowTest::aSecondCorvixLeavesTheFirstOnesRecoveryFileAlone()
{
    start();
    QVERIFY(window_->editor().commands().insere_bloco(BlockKind::Action, "== 0 ==", 200, 120));
    now_ += 241;
    waitForTick();
    QFile first(recoveryPath());
    QVERIFY(first.open(QIODevice::ReadOnly));
    const QByteArray firstBytes = first.readAll();
    first.close();

    EditorState secondState;
    secondState.programDir = state_->programDir;
    ScriptedDialogs secondDialogs;
    {
        MainWindow second(secondState, secondDialogs);
        double secondNow = 5000;
        second.editor().setClock([&secondNow] { return secondNow; });
        second.load({});
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QVERIFY(secondDialogs.questions.isEmpty());
        QCOMPARE(secondState.blockCount, 0);

        QVERIFY(second.editor().commands().insere_bloco(BlockKind::Decision, "== 0 ==", 200, 320));
        QVERIFY(second.editor().commands().insere_bloco(BlockKind::Action, "== 1 ==", 200, 520));
        secondNow += 241;
        QSignalSpy tick(second.findChild<QTimer*>(QStringLiteral("Timer1")), &QTimer::timeout);
        QVERIFY(tick.wait(2000));
        const QString secondFile = path(QStringLiteral("salvamento-2.sav"));
        QTRY_VERIFY(QFile::exists(secondFile));

        secondState.modified = false;
        QVERIFY(second.close());
        QVERIFY(!QFile::exists(secondFile));
    }
    QVERIFY(first.open(QIODevice::ReadOnly));
    QCOMPARE(first.readAll(), firstBytes);
    first.close();

    state_->modified = false;
    QVERIFY(window_->close());
    QVERIFY(!QFile::exists(recoveryPath()));
}

void RecoveryWindowTest::aLockIsTakenOverOnlyFromAProcessThatEnded()
{
    const std::string file = recoveryPath().toStdString();
    const pid_t child = fork();
    if (child == 0) {
        // A Corvix that ends without closing its window leaves its lock behind.
        QLockFile lock(recoveryPath() + QStringLiteral(".lock"));
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = -1;
    QCOMPARE(waitpid(child, &status, 0), child);
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY(QFile::exists(recoveryPath() + QStringLiteral(".lock")));

    RecoveryLockFiles first;
    RecoveryLockFiles second;
    QCOMPARE(first.claim(file), RecoveryLocks::Claim::Owned);
    QCOMPARE(second.claim(file), RecoveryLocks::Claim::InUse);
    first.release(file);
    QCOMPARE(second.claim(file), RecoveryLocks::Claim::Owned);
}

} // namespace corvix

QTEST_MAIN(corvix::RecoveryWindowTest)
#include "main_window_recovery_test.moc"
