// Pictures of each program's menus, open, in each of its languages: the menu
// bar on top, every menu below it side by side. Written only when
// TOLVAN_SCREENSHOT_DIR names a folder (scripts/make_pictures.sh).
#include "window_fixture.h"

using namespace tolvan;

TEST_F(WindowTest, PicturesOfTheOpenMenus)
{
    if (qEnvironmentVariableIsEmpty("TOLVAN_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set TOLVAN_SCREENSHOT_DIR to write the pictures";
    const QDir out(qEnvironmentVariable("TOLVAN_SCREENSHOT_DIR"));
    for (const ProgramRun& run : everyProgramAndLanguage()) {
        const Edition* e = run.edition;
        const bool chinese = run.chinese();
        auto w = start(e->id.c_str(), nullptr, run.chineseSystem);
        ASSERT_TRUE(w);
        CMainFrame& frame = w->frame();
        connectWindowCommands(frame);
        frame.resize(1024, 768);
        frame.show();
        QApplication::processEvents();

        std::vector<QPixmap> menus;
        int width = 0, height = 0;
        for (QAction* top : frame.menuBar()->actions()) {
            QMenu* menu = top->menu();
            menu->popup(frame.menuBar()->mapToGlobal(frame.menuBar()->actionGeometry(top).bottomLeft()));
            QApplication::processEvents();
            menus.push_back(menu->grab());
            menu->hide();
            width += menus.back().width() + 8;
            height = std::max(height, menus.back().height());
        }
        const QPixmap bar = frame.menuBar()->grab();
        QPixmap picture(std::max(width + 8, bar.width()), bar.height() + height + 16);
        picture.fill(frame.palette().color(QPalette::Window));
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, bar);
        int x = 8;
        for (const QPixmap& m : menus) {
            painter.drawPixmap(x, bar.height() + 8, m);
            x += m.width() + 8;
        }
        painter.end();
        const QString name = QString("menus-%1-%2.png").arg(QString::fromStdString(e->id), chinese ? "zh" : "en");
        EXPECT_TRUE(picture.save(out.filePath(name))) << name.toStdString();
        frame.close();
    }
}
