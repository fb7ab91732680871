// What sets the family-A variants apart in their windows: cps-brand's ini
// branding, and the two Chinese programs speaking Chinese to the end.
#include "window_fixture.h"

using namespace tolvan;

namespace {

QStringList labelsOf(const QWidget& w)
{
    QStringList out;
    for (const QLabel* l : w.findChildren<QLabel*>())
        if (l->pixmap().isNull())  // the icon is a label too
            out << l->text();
    return out;
}

} // namespace

TEST_F(WindowTest, BrandTakesCaptionAndAboutFromItsIniFile)
{
    struct Case {
        const char* what;
        const char* ini;
        const char* title;
        const char* aboutCaption;
        QStringList lines;
    };
    const Case cases[] = {
        {"full",
         "[MAIN]\nTITLE=Harbour Radio CPS\n[ABOUT]\nTITLE=About Harbour\nCOMPANY=Harbour CPS\nVERSION=2026 V3.1\n"
         "COMPANY1=Harbour Comms Ltd\n",
         "Harbour Radio CPS", "About Harbour", {"Harbour CPS", "2026 V3.1", "Harbour Comms Ltd"}},
        {"partial", "[ABOUT]\nVERSION=2026\n", "", "", {"", "2026", ""}},
        {"none", nullptr, "", "", {"", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path("cps-brand.ini"));
        auto w = start("cps-brand", c.ini);
        ASSERT_TRUE(w);
        CMainFrame& frame = w->frame();
        EXPECT_EQ(frame.windowTitle(), c.title);
        writeFile("x.sin", newDocumentImage(w->document().edition()));
        ASSERT_TRUE(frame.openFile(path("x.sin")));
        EXPECT_EQ(frame.windowTitle(), c.title) << "no document name is added";

        const auto about = frame.aboutDialog();
        EXPECT_EQ(about->windowTitle(), c.aboutCaption);
        const QStringList labels = labelsOf(*about);
        ASSERT_GE(labels.size(), 3);
        EXPECT_EQ(labels.mid(0, 3), c.lines);
        EXPECT_FALSE(labels.contains("Copyright (C) Tolvan"));
        EXPECT_FALSE(labels.contains("Tolvan Programing Software Version 2.0"));
    }
}

TEST_F(WindowTest, TheChineseProgramsSpeakChinese)
{
    struct Case {
        const char* id;
        const char* aboutLine;
        const char* firstBand;
    };
    const Case cases[] = {
        {"cps-cn2", " TL系列写频软件2.0 版", " 67 -  72MHz"},
        {"cps-cn10", "  TL系列写频软件10.0 版", "  67 - 72MHz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        auto w = start(c.id, "[MAIN]\nTITLE=Dealer\n");
        ASSERT_TRUE(w);
        CMainFrame& frame = w->frame();
        EXPECT_EQ(frame.windowTitle(), "Tolvan Programing Software") << "no branding outside cps-brand";
        EXPECT_TRUE(labelsOf(*frame.aboutDialog()).contains(QString::fromUtf8(c.aboutLine)));
        EXPECT_EQ(frame.view().formList(1)->itemText(0), QString::fromUtf8(c.firstBand));
        EXPECT_EQ(frame.view().formList(1)->count(), 10);

        connectWindowCommands(frame);
        frame.show();
        QString testModeTitle;
        QTimer::singleShot(0, [&] {
            if (QWidget* d = QApplication::activeModalWidget()) {
                testModeTitle = d->windowTitle();
                d->close();
            }
        });
        frame.action(cmd::TestMode)->trigger();
        EXPECT_EQ(testModeTitle, QString::fromUtf8("TolvanKestrel在线调试"));
    }
}

// A picture of cps-brand with a dealer's ini file, for docs/ (written only
// when TOLVAN_SCREENSHOT_DIR names a directory). A grab has no title bar, so
// the caption is drawn above each window as the desktop would show it.
TEST_F(WindowTest, PictureOfTheBrandedProgram)
{
    const QString dir = qEnvironmentVariable("TOLVAN_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set TOLVAN_SCREENSHOT_DIR to write the pictures";
    auto w = start("cps-brand", "[MAIN]\nTITLE=Harbour Radio Programmer\n[ABOUT]\nTITLE=About Harbour Radio\n"
                                "COMPANY=Harbour Radio Programmer\nVERSION=2026  Version 3.1\n"
                                "COMPANY1=Harbour Communications Ltd\n");
    ASSERT_TRUE(w);
    auto withCaption = [](QWidget& window) {
        window.show();
        QApplication::processEvents();
        const QPixmap body = window.grab();
        const int bar = window.fontMetrics().height() + 10;
        QPixmap out(body.width(), body.height() + bar);
        out.fill(QColor(0x3c, 0x3c, 0x3c));
        QPainter p(&out);
        p.setPen(Qt::white);
        p.drawText(QRect(8, 0, body.width() - 16, bar), Qt::AlignVCenter | Qt::AlignLeft, window.windowTitle());
        p.drawPixmap(0, bar, body);
        return out;
    };
    CMainFrame& frame = w->frame();
    frame.resize(1024, 400);
    ASSERT_TRUE(withCaption(frame).save(QDir(dir).filePath("window-cps-brand-branded.png")));
    auto about = frame.aboutDialog();
    ASSERT_TRUE(withCaption(*about).save(QDir(dir).filePath("about-cps-brand-branded.png")));
}
