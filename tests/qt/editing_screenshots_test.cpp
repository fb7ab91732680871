// Pictures of cell editing for docs/: written only when TOLVAN_SCREENSHOT_DIR
// names a directory, so ordinary test runs stay quiet.
#include "editing_fixture.h"

using namespace tolvan;

namespace {

QString pictureDir()
{
    return qEnvironmentVariable("TOLVAN_SCREENSHOT_DIR");
}

class EditingScreenshots : public EditingTest {
protected:
    void SetUp() override
    {
        if (pictureDir().isEmpty())
            GTEST_SKIP() << "set TOLVAN_SCREENSHOT_DIR to write the pictures";
        open();
        frame().resize(1024, 768);
        const char* rows[][2] = {{"145.5", "88.5"}, {"146.0125", "100.0"}, {"446.00625", "67.0"}, {"438.5", ""}};
        for (int r = 0; r < 4; ++r) {
            select(r + 1, 1);
            enter(rows[r][0]);
            if (*rows[r][1]) {
                key(Qt::Key_Return);
                enter(rows[r][1]);
            }
            key(Qt::Key_Escape);
        }
    }
};

} // namespace

TEST_F(EditingScreenshots, AnOpenToneListOverTheTable)
{
    select(3, 3);
    keys("6");
    QComboBox* tone = editing().toneList();
    tone->showPopup();
    QApplication::processEvents();
    QWidget* popup = tone->view()->window();
    QPixmap shot = frame().grab();
    QPainter painter(&shot);
    painter.drawPixmap(frame().mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
    painter.end();
    tone->hidePopup();
    ASSERT_TRUE(shot.save(QDir(pictureDir()).filePath("tone_list_open.png")));
}

TEST_F(EditingScreenshots, TheChannelEditDialogWithTwoTone)
{
    bool saved = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CChannelEditDlg*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QTest::keyClick(dialog->signallingList(), Qt::Key_Down);
        QTest::keyClick(dialog->signallingList(), Qt::Key_Down);
        QTest::keyClick(dialog->callBox(), Qt::Key_Up);
        QTest::keyClick(dialog->callBox(), Qt::Key_Up);
        QTest::keyClick(dialog->callBox(), Qt::Key_Up);
        QTest::keyClick(dialog->decodeBox(), Qt::Key_Up);
        QApplication::processEvents();
        saved = dialog->grab().save(QDir(pictureDir()).filePath("channel_edit_2tone.png"));
        dialog->reject();
    });
    const QPoint at = grid()->cellRect(2, 8).center();
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(saved);
}
