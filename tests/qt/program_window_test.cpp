#include "window_fixture.h"

#include "program/platform.h"
#include "run_program.h"
#include "temp_dir.h"

using namespace tolvan;
using tolvan::testing::programFile;
using tolvan::testing::run;

// The language is decided at start: the menus by the translation loaded, the
// cells and messages by the language test. A translation that cannot be
// loaded ends start-up with one message. What each case gave is in the snapshot:
// the translation, the File menu and the first column's header, or the message.
TEST_F(WindowTest, StartsInTheDecidedLanguageOrNotAtAll)
{
    ASSERT_TRUE(QFile::copy(":/translations/tolvan_en.qm", path("english.qm")));
    const QString here = dir.path();
    const struct {
        const char* id;
        const char* ini;
        bool chineseSystem;
        QString translationDir;
    } cases[] = {
        {"cps-twotone", nullptr, false, TOLVAN_BIN_DIR},
        {"cps-twotone", nullptr, true, TOLVAN_BIN_DIR},
        {"cps-twotone", "LANGUAGE=cps-twotone_CH", false, TOLVAN_BIN_DIR},
        {"cps-fleet", "LANGUAGE=cps-fleet_CH", true, TOLVAN_BIN_DIR},
        {"cps-cn10", nullptr, false, TOLVAN_BIN_DIR},
        {"cps-twotone", "LANGUAGE=english", false, here},  // a library of another name: its menus, Chinese messages
        {"cps-twotone", "LANGUAGE=english", false, TOLVAN_BIN_DIR},  // no such file beside the program
        {"cps-twotone", "LANGUAGE=cps-ccir_EN", false, here},  // another program's own name
        {"cps-twotone", "LANGUAGE=", false, TOLVAN_BIN_DIR},
        {"cps-twotone", "LANGUAGE=nothing", false, TOLVAN_BIN_DIR},
        {"cps-twotone", "LANGUAGE=../bin/cps-twotone_EN", false, TOLVAN_BIN_DIR},
    };
    std::string out;
    for (const auto& c : cases) {
        QFile::remove(path(QString(c.id) + ".ini"));
        const std::string ini = c.ini ? std::string("[MAIN]\nLANGUAGE_FORCE=1\n") + c.ini + "\n" : "";
        dialogs.shown.clear();
        auto w = start(c.id, c.ini ? ini.c_str() : nullptr, c.chineseSystem, {c.translationDir});
        QString shown = QString(c.id) + " [" + (c.ini ? c.ini : "") + "]" + (c.chineseSystem ? " Chinese system" : "")
                        + (c.translationDir == here ? ", translations in TMP: " : ": ");
        if (w)
            shown += QDir::fromNativeSeparators(w->translationFile()) + " | "
                     + w->frame().menuBar()->actions().at(0)->text() + " | "
                     + w->frame().view().grid()->textMatrix(0, 0);
        else
            shown += "not started";
        for (const auto& m : dialogs.shown)
            shown += " | message " + m.text + (m.buttons == QMessageBox::Ok ? " [OK]" : " [other buttons]");
        out += shown.replace(here, "TMP").toStdString() + "\n";
    }
    expectGolden("qt", "start_language", out);
}

TEST_F(WindowTest, AProgramCopiedAloneIntoAnEmptyFolderStarts)
{
    // The translations are built in: nothing but the program itself is needed.
    // Every program carries the same resources; one of each language choice.
    for (const char* id : {"cps-twotone", "cps-keys", "cps16-cn"}) {
        const Edition* e = findEdition(id);
        QTemporaryDir alone;
        const std::filesystem::path folder = alone.path().toStdString(), program = programFile(folder, e->id);
        std::filesystem::copy_file(programFile(TOLVAN_BIN_DIR, e->id), program);
        std::vector<const char*> languages = {"C"};
        // Windows takes the system's language from the user's settings, not per program.
        if (e->languages == LanguageChoice::AtStartUp && !tolvan::testing::kWindows)
            languages.push_back("zh_CN.UTF-8");
        for (const char* lang : languages) {
            const QString picture = QDir(alone.path()).filePath("w.png");
            const auto r = run(e->id, {"--screenshot", "w.png"}, {.program = program, .cwd = folder, .lang = lang});
            EXPECT_EQ(r.status, 0) << e->id << " " << lang << r.err;
            EXPECT_EQ(QImage(picture).size(), QSize(1024, 768)) << e->id << " " << lang;
            QFile::remove(picture);
        }
    }
}

// cps-brand takes its caption and About box from its ini file; the captions
// with and without a document and the About box's texts are in the snapshot.
TEST_F(WindowTest, BrandTakesCaptionAndAboutFromItsIniFile)
{
    const struct {
        const char* what;
        const char* ini;
    } cases[] = {
        {"full", "[MAIN]\nTITLE=Harbour Radio CPS\n[ABOUT]\nTITLE=About Harbour\nCOMPANY=Harbour CPS\nVERSION=2026 V3.1\n"
                 "COMPANY1=Harbour Comms Ltd\n"},
        {"partial", "[ABOUT]\nVERSION=2026\n"},
        {"none", nullptr},
    };
    std::string out;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path("cps-brand.ini"));
        auto w = start("cps-brand", c.ini);
        ASSERT_TRUE(w);
        CMainFrame& frame = w->frame();
        out += std::string("== ") + c.what + "\ncaption [" + frame.windowTitle().toStdString() + "]\n";
        writeFile("x.sin", newDocumentImage(w->document().edition()));
        ASSERT_TRUE(frame.openFile(path("x.sin")));
        out += "with a document [" + frame.windowTitle().toStdString() + "]\n";
        const auto about = frame.aboutDialog();
        // The backups folder is the run's own; on Windows it is named with '\\'.
        const QString texts = QDir::fromNativeSeparators(QString::fromStdString(shownState(*about)));
        out += "about [" + about->windowTitle().toStdString() + "]\n";
        out += QString(texts).replace(QDir::fromNativeSeparators(displayPath(userDataHome())), "DATA").toStdString();
    }
    expectGolden("qt", "brand_caption_and_about", out);
}

// --new writes what New then Save writes in the window: the form's bytes and
// the table's own way of storing rows included, so --new then --write never
// sends what the window never would.
TEST_F(WindowTest, TheNewCommandWritesWhatTheWindowSaves)
{
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        ASSERT_EQ(run(e->id, {"--new", path("batch.sin").toStdString()}).status, 0);
        auto w = start(e->id.c_str());
        ASSERT_TRUE(w->frame().fileNew());
        dialogs.saveNames = {path("window.sin")};
        ASSERT_TRUE(w->frame().fileSaveAs());
        const MemoryImage batch = loadSin(path("batch.sin").toStdString(), e->imageSize).image.value();
        const MemoryImage window = loadSin(path("window.sin").toStdString(), e->imageSize).image.value();
        EXPECT_TRUE(batch == window) << imageChanges(window, batch).substr(0, 300);
    }
}

// Each program opens at its own size (on a screen too small for it, the same
// proportions), centred; F1 and Help Topics open the help page of the language
// decided at start, an ini file that forces one included, not the system's.
TEST_F(WindowTest, EachWindowOpensAtItsOwnSizeCentredWithTheHelpOfItsLanguage)
{
    const struct {
        const char* id;
        const char* ini;
        bool chineseSystem;
        const char* help;
    } cases[] = {
        {"cps-twotone", nullptr, false, "Tolvan_V_EN.html"},
        {"cps-twotone", "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=cps-twotone_CH\n", false, "Tolvan_V_CH.html"},
        {"cps-ccir", "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=cps-ccir_EN\n", true, "Tolvan_V_EN.html"},
        {"cps-keys", nullptr, true, "Tolvan_V_EN.html"},
        {"cps-keys-cn", nullptr, false, "Tolvan_V_CH.html"},
        {"cps16-cn", nullptr, false, "Tolvan_V_CH.html"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.id) + (c.ini ? " forced" : ""));
        QFile::remove(path(QString(c.id) + ".ini"));
        auto w = start(c.id, c.ini, c.chineseSystem);
        ASSERT_TRUE(w);
        w->show();
        CMainFrame& frame = w->frame();
        const QRect screen = frame.screen()->availableGeometry();
        const WindowSize own = w->document().edition().windowSize;
        EXPECT_LE(frame.width(), std::max(own.width, screen.width()));
        EXPECT_NEAR(double(frame.width()) / frame.height(), double(own.width) / own.height, 0.01);
        EXPECT_TRUE(frame.width() == own.width || frame.height() == own.height || frame.height() <= screen.height());
        EXPECT_LE((frame.frameGeometry().center() - screen.center()).manhattanLength(), 2);
        QApplication::setActiveWindow(&frame);
        QTest::keyClick(&frame, Qt::Key_F1);
        ASSERT_TRUE(frame.helpWindow()) << "F1 opens the help";
        EXPECT_TRUE(frame.helpWindow()->currentFile().endsWith(c.help)) << frame.helpWindow()->currentFile().toStdString();
        frame.helpWindow()->close();
    }
}

namespace {

// Every text a window shows: labels, buttons and their tips, list items, edit
// fields, and the headers and cells of its item views.
QStringList textsShown(QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        texts << w->toolTip();
        if (auto* l = qobject_cast<QLabel*>(w))
            texts << l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts << b->text();
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            texts << e->text();
        else if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i);
        else if (auto* v = qobject_cast<QAbstractItemView*>(w)) {
            const QAbstractItemModel* m = v->model();
            for (int col = 0; col < m->columnCount(v->rootIndex()); ++col) {
                texts << m->headerData(col, Qt::Horizontal).toString();
                for (int row = 0; row < m->rowCount(v->rootIndex()); ++row)
                    texts << m->index(row, col, v->rootIndex()).data().toString();
            }
        }
    }
    return texts;
}

} // namespace

// File > Open, Save As and Compare With File offer each program's file type;
// in a Chinese program the chooser shows no English word of its own: what is
// left once the file names, paths, the type's pattern, the size unit and the
// shortcut letters are taken out holds no Latin letter.
TEST_F(WindowTest, TheFileChoosersOfferTheFileTypeInTheProgramsWords)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("files/backup"));
    std::ofstream(path("files/radio.sin").toStdString()) << std::string(1024, '\0');
    for (const ProgramRun& run : everyProgramAndLanguage()) {
        const Edition& e = *run.edition;
        SCOPED_TRACE(e.id + (run.chineseSystem ? " (Chinese)" : ""));
        auto w = start(e.id.c_str(), nullptr, run.chineseSystem);
        CMainFrame& frame = w->frame();
        dialogs.fileTypes.clear();
        for (int command : {cmd::Open, cmd::SaveAs, cmd::CompareWithFile})
            frame.action(command)->trigger();
        const std::string type = e.id == "cps16-cn" ? "写频数据 文件 (*.sin)"
                                 : run.chinese()    ? "写频数据 (*.sin)"
                                                    : "Channel Data (*.sin)";
        EXPECT_EQ(dialogs.fileTypes.join(" | ").toStdString(), type + " | " + type + " | " + type);
        if (!run.chinese())
            continue;

        QString english;
        WindowCloser closer(false);
        closer.visit = [&](QWidget& window) {
            auto& chooser = dynamic_cast<QFileDialog&>(window);
            chooser.setDirectory(path("files"));
            // The folder is read in the background; its rows come in their own time.
            EXPECT_TRUE(QTest::qWaitFor([&] { return textsShown(chooser).contains("1.00 KiB"); }));
            const QStringList names = {"radio.sin", "backup", QDir::home().dirName()};
            for (QString text : textsShown(chooser)) {
                if (QDir::isAbsolutePath(QDir::fromNativeSeparators(text)) || names.contains(text))
                    continue;  // a path or a file's name
                text.remove("*.sin");
                text.remove("KiB");  // a unit's symbol, as Chinese systems write it too
                text.remove(QRegularExpression("\\(&[A-Z]\\)"));  // the letter of a shortcut, as Chinese menus give it
                if (text.contains(QRegularExpression("[A-Za-z]")))
                    english += text + "\n";
            }
            return false;
        };
        dialogs.realChoosers = true;
        frame.action(cmd::Open)->trigger();
        dialogs.realChoosers = false;
        EXPECT_EQ(english.toStdString(), "");
    }
}
