#include "app/desktop_identity.h"
#include "app/program_folders.h"
#include "app/translations.h"
#include "support/diagram_samples.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kDiagramType = QStringLiteral("application/x-corvix-diagram");
const QString kResources = QStringLiteral(CORVIX_RESOURCES_DIR);

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// An installation prefix holding these files (paths below it), each empty.
void touchAll(const QTemporaryDir& prefix, const QStringList& files)
{
    for (const QString& file : files)
        touch(prefix.filePath(file));
}

} // namespace

class DesktopIntegrationTest : public QObject {
    Q_OBJECT

    QTemporaryDir dataDir_;

private slots:
    // The desktop's file type database holds only Corvix's type and the built-in ones.
    void initTestCase()
    {
        QVERIFY(dataDir_.isValid());
        const QString packages = dataDir_.filePath(QStringLiteral("mime/packages"));
        QVERIFY(QDir().mkpath(packages));
        QVERIFY(QFile::copy(kResources + QStringLiteral("/desktop/corvix.xml"), packages + QStringLiteral("/corvix.xml")));
        qputenv("XDG_DATA_HOME", dataDir_.filePath(QStringLiteral("home")).toLocal8Bit());
        qputenv("XDG_DATA_DIRS", dataDir_.path().toLocal8Bit());
    }

    void diagramTypeByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isDiagram");
        QTest::newRow("upper case") << "Flow.FXG" << true;
        QTest::newRow("lower case") << "flow.fxg" << true;
        QTest::newRow("mixed case") << "flow.Fxg" << true;
        QTest::newRow("other extension") << "flow.fxg.txt" << false;
    }
    void diagramTypeByName()
    {
        QFETCH(QString, name);
        QFETCH(bool, isDiagram);
        QCOMPARE(QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension).name() == kDiagramType,
                 isDiagram);
    }

    void diagramTypeByContentAlone()
    {
        const std::vector<uint8_t> file = corvix::encodeSample(corvix::sampleDiagram());
        const QByteArray bytes(reinterpret_cast<const char*>(file.data()), qsizetype(file.size()));
        QMimeDatabase db;
        QCOMPARE(db.mimeTypeForData(bytes).name(), kDiagramType);
        QVERIFY(db.mimeTypeForData(QByteArray("Arquivo de texto/ qualquer")).name() != kDiagramType);
        QVERIFY(db.mimeTypeForName(kDiagramType).comment().contains(QStringLiteral("Corvix")));
    }

    // The desktop matches windows to the menu entry by this name, so the entry must exist.
    void windowsCarryTheIconAndTheDesktopEntry()
    {
        corvix::applyDesktopIdentity(*qGuiApp);
        QVERIFY(!QGuiApplication::windowIcon().pixmap(16).isNull());
        QVERIFY(QFile::exists(kResources + QStringLiteral("/desktop/") + QGuiApplication::desktopFileName()
                              + QStringLiteral(".desktop")));
    }

    void helpPageLookup_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("baseName");
        QTest::addColumn<QString>("expected");
        QTest::newRow("beside the executable first")
            << QStringList{"bin/corvix.html", "share/corvix/corvix.html"} << "corvix" << "bin/corvix.html";
        QTest::newRow("installed data folder")
            << QStringList{"share/corvix/corvix.html"} << "corvix" << "share/corvix/corvix.html";
        QTest::newRow("named after the executable")
            << QStringList{"share/corvix/corvix.html", "share/corvix/flows.html"} << "flows"
            << "share/corvix/flows.html";
        QTest::newRow("missing: beside, for the viewer to report") << QStringList{} << "corvix" << "bin/corvix.html";
    }
    void helpPageLookup()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, baseName);
        QFETCH(QString, expected);
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        touchAll(prefix, present);
        QCOMPARE(corvix::helpPagePathFor(prefix.filePath(QStringLiteral("bin")), baseName), prefix.filePath(expected));
    }

    void translationsFolderLookup_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("expected");
        QTest::newRow("build tree: beside the executable")
            << QStringList{"bin/translations/corvix_de.qm", "share/corvix/translations/corvix_de.qm"} << "bin/translations";
        QTest::newRow("installed data folder") << QStringList{"share/corvix/translations/corvix_de.qm"}
                                               << "share/corvix/translations";
    }
    void translationsFolderLookup()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        touchAll(prefix, present);
        QCOMPARE(corvix::translationsFolderFor(prefix.filePath(QStringLiteral("bin"))), prefix.filePath(expected));
    }

    void historyAndRecoveryFolder_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<bool>("besideExecutable");
        QTest::newRow("build folder: beside the executable") << QStringList{"bin/corvix"} << true;
        // Run by root, /usr/bin is writable; the history and recovery file stay out of it.
        QTest::newRow("installed: the per-user folder, writable or not")
            << QStringList{"bin/corvix", "share/corvix/corvix.html"} << false;
    }
    void historyAndRecoveryFolder()
    {
        QFETCH(QStringList, present);
        QFETCH(bool, besideExecutable);
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        touchAll(prefix, present);
        const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QLatin1Char('/');
        QCOMPARE(corvix::programFolderFor(prefix.filePath(QStringLiteral("bin"))),
                 besideExecutable ? prefix.filePath(QStringLiteral("bin/")) : perUser);
    }
};

QTEST_MAIN(DesktopIntegrationTest)
#include "desktop_integration_test.moc"
