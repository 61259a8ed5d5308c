#include "app/translations.h"
#include "storage/diagram_codec.h"
#include "surfaces/text_convert.h"
#include "window_test_base.h"

#include <QAccessible>
#include <QFile>
#include <QListWidget>

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

namespace corvix {

namespace {

const QStringList kEnglishMenus = {"&File", "&Edit", "&View", "&Options", "&Insert Block", "&Delete block or link",
                                   "&Help"};
const QStringList kGermanMenus = {"&Datei",   "&Bearbeiten",     "&Ansicht", "&Optionen",
                                  "Block &einfügen", "Block oder Verbindung &löschen", "&Hilfe"};

// Sets exactly these of the four variables gettext reads, clearing the others.
void setDesktopLanguage(const QString& lcAll, const QString& language, const QString& lang)
{
    const std::pair<const char*, QString> variables[] = {
        {"LC_ALL", lcAll}, {"LC_MESSAGES", QString()}, {"LANGUAGE", language}, {"LANG", lang}};
    for (const auto& [name, value] : variables) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value.toUtf8());
    }
}

} // namespace

class TranslationsTest : public WindowTestBase {
    Q_OBJECT

    QStringList menuTitles() const
    {
        QStringList titles;
        for (QAction* menu : window_->menuBar()->actions())
            titles << menu->text();
        return titles;
    }

private slots:
    void cleanup()
    {
        destroyWindow();
        installTranslations({}, CORVIX_TRANSLATIONS_DIR);
    }

    void windowFollowsTheDesktop_data()
    {
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("firstMenu");
        QTest::addColumn<QString>("yesButton");  // Qt's own catalogue
        QTest::newRow("LANG=de_DE.UTF-8") << "" << "" << "de_DE.UTF-8" << "&Datei" << "&Ja";
        QTest::newRow("LANG=C") << "" << "" << "C" << "&File" << "&Yes";
        QTest::newRow("nothing set") << "" << "" << "" << "&File" << "&Yes";
        // As gettext: under the C locale LANGUAGE is not read.
        QTest::newRow("LANG=C.UTF-8 with LANGUAGE=de") << "" << "de" << "C.UTF-8" << "&File" << "&Yes";
        QTest::newRow("LANGUAGE's first") << "" << "pt_BR:de" << "fr_FR.UTF-8" << "&Arquivo" << "&Sim";
        QTest::newRow("LANGUAGE past a language without a catalogue") << "" << "it:es" << "it_IT.UTF-8" << "&Archivo"
                                                                       << "&Sí";
        QTest::newRow("LC_ALL before LANG") << "fr_FR.UTF-8" << "" << "de_DE.UTF-8" << "&Fichier" << "&Oui";
        QTest::newRow("a language without a catalogue") << "" << "" << "it_IT.UTF-8" << "&File" << "&Yes";
    }
    void windowFollowsTheDesktop()
    {
        QFETCH(QString, lcAll);
        QFETCH(QString, language);
        QFETCH(QString, lang);
        QFETCH(QString, firstMenu);
        QFETCH(QString, yesButton);
        setDesktopLanguage(lcAll, language, lang);
        installTranslations(desktopLanguages(), CORVIX_TRANSLATIONS_DIR);
        makeWindow();
        QCOMPARE(menuTitles().first(), firstMenu);
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), yesButton);
    }

    // The whole menu bar, word for word: German under a German desktop, and under LANG=C
    // exactly the English of the sources.
    void menuBarWordForWord_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("de_DE.UTF-8") << "de_DE.UTF-8" << kGermanMenus;
        QTest::newRow("C") << "C" << kEnglishMenus;
    }
    void menuBarWordForWord()
    {
        QFETCH(QString, lang);
        QFETCH(QStringList, titles);
        setDesktopLanguage({}, {}, lang);
        installTranslations(desktopLanguages(), CORVIX_TRANSLATIONS_DIR);
        makeWindow();
        QCOMPARE(menuTitles(), titles);
    }

    // The core's messages reach the box in the window's language, the path put in; under
    // LANG=C and in a language without a catalogue, exactly the English wording.
    void coreMessageFollowsTheDesktop_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("wording");
        QTest::newRow("de_DE.UTF-8") << "de_DE.UTF-8" << "Die Datei [%1] enthält FEHLERHAFTE DATEN.";
        QTest::newRow("pt_BR.UTF-8") << "pt_BR.UTF-8" << "O arquivo [%1] contém DADOS INVÁLIDOS.";
        QTest::newRow("C") << "C" << "File [%1] has BAD DATA.";
        QTest::newRow("it_IT.UTF-8") << "it_IT.UTF-8" << "File [%1] has BAD DATA.";
    }
    void coreMessageFollowsTheDesktop()
    {
        QFETCH(QString, lang);
        QFETCH(QString, wording);
        setDesktopLanguage({}, {}, lang);
        installTranslations(desktopLanguages(), CORVIX_TRANSLATIONS_DIR);
        makeWindow();
        // A sound empty diagram with a byte past its trailer: damaged. A "%2" in the path
        // stays as it is.
        const QString path = dir_->filePath(QStringLiteral("odd %2 name.fxg"));
        DiagramHeader header;
        std::vector<uint8_t> bytes = encodeDiagram(header, {}, {}).value();
        bytes.push_back(0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        file.close();
        dialogs_->openPaths.enqueue(path);
        action("mload")->trigger();
        QCOMPARE(dialogs_->messages, QStringList{wording.arg(path)});
    }

    // The problems panel words each problem in the window's language; the check's code stays.
    void problemsPanelInTheWindowsLanguage()
    {
        setDesktopLanguage({}, {}, QStringLiteral("de_DE.UTF-8"));
        installTranslations(desktopLanguages(), CORVIX_TRANSLATIONS_DIR);
        makeWindow();
        startWindow();
        action("mproblems")->trigger();
        Editor& editor = window_->editor();
        editor.commands().insere_bloco(BlockKind::Action, "dry", 300, 300);
        editor.commands().insere_bloco(BlockKind::Action, "== 1 ==", 800, 1200);
        editor.repaint();
        auto* list = window_->findChild<QListWidget*>(QStringLiteral("problemsList"));
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), 2, 200);
        QCOMPARE(list->item(0)->text(), "Block 2 \"== 1 ==\": unreachable: er ist vom Start aus nicht erreichbar");
        QCOMPARE(list->item(1)->text(), "Block 2 \"== 1 ==\": default-text: sein Text ist noch der vorgegebene");
    }

    // What a screen reader hears about a block, in the window's language; the block's own
    // text as typed.
    void blockWordsInTheWindowsLanguage_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("de_DE.UTF-8") << "de_DE.UTF-8" << "Entscheidung 1: größer?" << "Ja: keine Verbindung; Nein: keine Verbindung";
        QTest::newRow("fr_FR.UTF-8") << "fr_FR.UTF-8" << "Décision 1: größer?" << "Oui : aucun lien; Non : aucun lien";
        QTest::newRow("C") << "C" << "Decision 1: größer?" << "Yes: no link; No: no link";
    }
    void blockWordsInTheWindowsLanguage()
    {
        QFETCH(QString, lang);
        QFETCH(QString, name);
        QFETCH(QString, description);
        setDesktopLanguage({}, {}, lang);
        installTranslations(desktopLanguages(), CORVIX_TRANSLATIONS_DIR);
        makeWindow();
        window_->editor().commands().insere_bloco(BlockKind::Decision, toCp1252(QStringLiteral("größer")), 300, 300);
        QAccessibleInterface* block = QAccessible::queryAccessibleInterface(canvas())->child(0);
        QCOMPARE(block->text(QAccessible::Name), name);
        QCOMPARE(block->text(QAccessible::Description), description);
    }

    // In every menu and in the menu bar, no two items share an access key, in any language.
    void accessKeysAreUniqueInEveryMenu_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "fr", "es", "pt_BR"})
            QTest::newRow(language) << language;
    }
    void accessKeysAreUniqueInEveryMenu()
    {
        QFETCH(QString, language);
        QCOMPARE(installTranslations({QLocale(language)}, CORVIX_TRANSLATIONS_DIR), language != "en");
        makeWindow();
        // The recent files' digits count too, so every one of them is shown.
        for (int i = 0; i < 6; ++i) {
            QAction* entry = action(qPrintable(QStringLiteral("mhist%1").arg(i)));
            entry->setText(QStringLiteral("&%1 /drawings/flow.FXG").arg(i + 1));
            entry->setVisible(true);
        }
        std::vector<QWidget*> menus = {window_->menuBar()};
        for (QMenu* menu : window_->findChildren<QMenu*>())
            menus.push_back(menu);
        for (QWidget* menu : menus) {
            QMap<QKeySequence, QString> taken;
            for (QAction* item : menu->actions()) {
                const QKeySequence key = QKeySequence::mnemonic(item->text());
                if (item->isSeparator() || !item->isVisible() || key.isEmpty())
                    continue;
                // The English "A&rrange" shares R with "&Redo" by its given caption; Ctrl+L is
                // its key. The catalogues give it a key of its own.
                if (language == QLatin1String("en") && item->objectName() == QLatin1String("marrange"))
                    continue;
                QVERIFY2(!taken.contains(key), qPrintable(QStringLiteral("%1 and %2 share %3")
                                                              .arg(taken.value(key), item->text(), key.toString())));
                taken.insert(key, item->text());
            }
        }
    }
};

} // namespace corvix

QTEST_MAIN(corvix::TranslationsTest)
#include "translations_test.moc"
