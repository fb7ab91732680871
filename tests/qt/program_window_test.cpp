#include "window_fixture.h"

using namespace tolvan;

// The language is decided at start: the menus by the translation loaded, the
// cells and messages by the language test. A translation that cannot be
// loaded ends start-up with one message.
TEST_F(WindowTest, StartsInTheDecidedLanguageOrNotAtAll)
{
    ASSERT_TRUE(QFile::copy(":/translations/tolvan_en.qm", path("english.qm")));
    const QString here = dir.path();
    struct Case {
        const char* id;
        const char* ini;
        bool chineseSystem;
        QString translationDir;
        QString qm;  // empty: start-up fails
        const char* fileMenu;
        const char* header;
    };
    const Case cases[] = {
        {"cps-twotone", nullptr, false, TOLVAN_BIN_DIR, ":/translations/tolvan_en.qm", "&File", "CH"},
        {"cps-twotone", nullptr, true, TOLVAN_BIN_DIR, ":/translations/tolvan_zh.qm", "文件(&F)", "频道"},
        {"cps-twotone", "LANGUAGE=cps-twotone_CH", false, TOLVAN_BIN_DIR, ":/translations/tolvan_zh.qm", "文件(&F)", "频道"},
        {"cps-fleet", "LANGUAGE=cps-fleet_CH", true, TOLVAN_BIN_DIR, ":/translations/tolvan_en.qm", "&File", "CH"},
        {"cps-cn10", nullptr, false, TOLVAN_BIN_DIR, ":/translations/tolvan_zh.qm", "文件(&F)", "频道"},
        // A library of another name gives its menus, but the messages stay Chinese.
        {"cps-twotone", "LANGUAGE=english", false, here, path("english.qm"), "&File", "频道"},
        {"cps-twotone", "LANGUAGE=english", false, TOLVAN_BIN_DIR, "", "", ""},  // no such file beside the program
        {"cps-twotone", "LANGUAGE=cps-ccir_EN", false, here, "", "", ""},  // another program's own name
        {"cps-twotone", "LANGUAGE=", false, TOLVAN_BIN_DIR, "", "", ""},
        {"cps-twotone", "LANGUAGE=nothing", false, TOLVAN_BIN_DIR, "", "", ""},
        {"cps-twotone", "LANGUAGE=../bin/cps-twotone_EN", false, TOLVAN_BIN_DIR, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.id) + " " + (c.ini ? c.ini : "") + (c.chineseSystem ? " Chinese" : ""));
        QFile::remove(path(QString(c.id) + ".ini"));
        const std::string ini = c.ini ? std::string("[MAIN]\nLANGUAGE_FORCE=1\n") + c.ini + "\n" : "";
        dialogs.shown.clear();
        auto w = start(c.id, c.ini ? ini.c_str() : nullptr, c.chineseSystem, {c.translationDir});
        if (c.qm.isEmpty()) {
            EXPECT_FALSE(w);
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].text, "Load Resource DLL english.dll Fail");
            EXPECT_EQ(dialogs.shown[0].buttons, QMessageBox::Ok);
            continue;
        }
        ASSERT_TRUE(w);
        EXPECT_EQ(w->translationFile(), c.qm);
        EXPECT_EQ(w->frame().menuBar()->actions().at(0)->text(), QString::fromUtf8(c.fileMenu));
        EXPECT_EQ(w->frame().view().grid()->textMatrix(0, 0), QString::fromUtf8(c.header));
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

TEST_F(WindowTest, AProgramCopiedAloneIntoAnEmptyFolderStarts)
{
    // The translations are built in: nothing but the program itself is needed.
    // Every program carries the same resources; one of each language choice.
    for (const char* id : {"cps-twotone", "cps-keys", "cps16-cn"}) {
        const Edition* e = findEdition(id);
        QTemporaryDir alone;
        const QString program = QDir(alone.path()).filePath(QString::fromStdString(e->id));
        ASSERT_TRUE(QFile::copy(QString(TOLVAN_BIN_DIR) + "/" + QString::fromStdString(e->id), program));
        std::vector<const char*> languages = {"C"};
        if (e->languages == LanguageChoice::AtStartUp)
            languages.push_back("zh_CN.UTF-8");
        for (const char* lang : languages) {
            const QString picture = QDir(alone.path()).filePath("w.png");
            const QString cmd = QString("cd '%1' && env -u LC_ALL -u LC_MESSAGES LANG=%2 timeout 60 ./%3 "
                                        "--screenshot w.png >/dev/null 2>&1")
                                    .arg(alone.path(), lang, QString::fromStdString(e->id));
            EXPECT_EQ(WEXITSTATUS(std::system(cmd.toLocal8Bit().constData())), 0) << e->id << " " << lang;
            EXPECT_EQ(QImage(picture).size(), QSize(1024, 768)) << e->id << " " << lang;
            QFile::remove(picture);
        }
    }
    // A file that fails is reported on stderr instead of waiting for a click.
    writeFile("short.sin", newDocumentImage(*findEdition("cps-twotone")), 100);
    const QString cmd = QString("timeout 60 %1/cps-twotone --screenshot %2 %3 >/dev/null 2>&1")
                            .arg(TOLVAN_BIN_DIR, path("x.png"), path("short.sin"));
    EXPECT_EQ(WEXITSTATUS(std::system(cmd.toLocal8Bit().constData())), 2);
    EXPECT_FALSE(QFileInfo::exists(path("x.png")));
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
        const QString texts = QString::fromStdString(shownState(*about));  // the backups folder is the run's own
        out += "about [" + about->windowTitle().toStdString() + "]\n";
        out += QString(texts).replace(qEnvironmentVariable("XDG_DATA_HOME"), "DATA").toStdString();
    }
    expectGolden("qt", "brand_caption_and_about", out);
}
