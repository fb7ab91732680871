// The window's Read and Write commands through the real progress window,
// against the in-process virtual radio with the pauses turned off.
#include "window_fixture.h"

#include "app/qt/window_connections.h"
#include "editor/qt/ms_flex_grid.h"
#include "link/qt/progress_dlg.h"
#include "sim/radio_port.h"
#include "sim/sample_codeplug.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tolvan;

namespace {

void pressStartWhenShown()
{
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<CProgressDlg*>(w); d && d->isVisible()) {
                QTest::mouseClick(d->startButton(), Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no progress window";
    });
}

} // namespace

TEST_F(WindowTest, ReadAndWriteGoThroughTheProgressWindow)
{
    auto w = start("cps-twotone");
    CMainFrame& frame = w->frame();
    const Edition& e = w->document().edition();
    VirtualRadio radio(sampleCodeplug(e));
    RadioPortOpener opener(radio);
    connectWindowCommands(frame, {.opener = &opener, .pauses = false});
    frame.show();

    pressStartWhenShown();
    frame.action(cmd::ReadFromRadio)->trigger();
    ChannelTable expected(e, Language::English);
    expected.loadFromImage(sampleCodeplug(e));
    for (int col = 1; col < expected.columnCount(); ++col)
        EXPECT_EQ(frame.view().grid()->textMatrix(1, col).toStdString(), expected.cell(1, col)) << col;
    EXPECT_TRUE(w->document().isModified());
    EXPECT_FALSE(frame.view().lastBackup().empty());

    // The form's choice goes to the radio with the write.
    emit frame.view().formList(2)->activated(3);
    pressStartWhenShown();
    frame.action(cmd::WriteToRadio)->trigger();
    EXPECT_EQ(radio.memory().at(0x819), 3);
}
