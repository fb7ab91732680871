// The progress window driving a read and a write against the in-process
// virtual radio, with the exchange's pauses turned off.

#include "window_fixture.h"

namespace tolvan {
namespace {

CProgressDlg* progressWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<CProgressDlg*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

// A read to its end, a cancel before Start and a cancel while writing.
TEST(ProgressWindow, StartAndCancelDriveTheTransfer)
{
    enum Press { Start, Cancel, StartThenCancel };
    const struct {
        const char* id;
        Direction direction;
        Press press;
        CloneResult result;
    } cases[] = {
        {"cps-twotone", Direction::Read, Start, CloneResult::Completed},
        {"cps-fleet", Direction::Read, Cancel, CloneResult::Cancelled},
        {"cps-twotone", Direction::Write, StartThenCancel, CloneResult::Cancelled},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.press);
        const Edition& e = *findEdition(c.id);
        VirtualRadio radio(sampleCodeplug(e));
        RadioPortOpener opener(radio);
        CloneOutcome outcome;
        pressWhenShown(c.press == Cancel ? &CProgressDlg::cancelButton : &CProgressDlg::startButton);
        if (c.press == StartThenCancel) {
            // Queued behind Start: clicked during the transfer's first pump passes.
            QTimer::singleShot(0, [] {
                QTimer::singleShot(0, [] {
                    if (CProgressDlg* d = progressWindow())
                        QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
                });
            });
        }
        const MemoryImage document(e.imageSize, 0x11);
        const auto image = runCloneWithProgress(nullptr, e, Language::English, c.direction, "COM1", document,
                                                {.opener = &opener, .pauses = false, .outcome = &outcome});
        EXPECT_EQ(outcome.result, c.result) << outcome.message;
        EXPECT_EQ(image.has_value(), c.result == CloneResult::Completed);
        EXPECT_EQ(progressWindow(), nullptr);
        EXPECT_FALSE(cloneTransferRunning());
        EXPECT_EQ(opener.opens, c.press == Cancel ? 0 : 1) << "a cancel before Start sends nothing";
        EXPECT_LT(radio.blocksWritten(), e.link.writeBlocks);
        // A read takes the radio's part of the image and keeps the rest of the document.
        for (std::size_t i = 0; image && i < e.imageSize; ++i)
            ASSERT_EQ(image->at(i), i < 0xFE0 ? radio.memory().at(i) : 0x11) << i;
    }
}

// The system's port, refused, says why beneath the message, in the window's
// language.
TEST(ProgressWindow, ThePortsReasonIsShownInTheWindowsLanguage)
{
    for (const Edition* e : allEditions()) {
        for (Language language : {Language::English, Language::Chinese}) {
            WindowCloser closer(true, true);
            EXPECT_FALSE(runCloneWithProgress(nullptr, *e, language, Direction::Read, "/dev/tolvan-no-such-port",
                                              newDocumentImage(*e), {.pauses = false}));
            const std::string reason = language == Language::English ? "No such device: /dev/tolvan-no-such-port."
                                                                     : "没有这个设备：/dev/tolvan-no-such-port。";
            EXPECT_EQ(closer.messages.join("\n").toStdString(), e->texts(language).link.portOpenFail + " | " + reason)
                << e->id;
        }
    }
}

TEST(ProgressWindow, MovingItWhileBusyInterruptsWithTheMessage)
{
    const LinkTexts& texts = findEdition("cps-ccir")->texts(Language::Chinese).link;
    CProgressDlg dialog(nullptr, texts, texts.readTitle, 394);
    dialog.show();
    dialog.move(100, 100);
    QApplication::processEvents();
    EXPECT_FALSE(dialog.cancelRequested());  // not started: moving does nothing

    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.startButton()->isEnabled());
    dialog.setBusy(false);
    dialog.move(150, 100);
    QApplication::processEvents();
    EXPECT_FALSE(dialog.cancelRequested());  // the exchange's own messages clear busy

    dialog.setBusy(true);
    WindowCloser closer(true);
    dialog.move(200, 120);
    QApplication::processEvents();
    EXPECT_TRUE(dialog.cancelRequested());
    EXPECT_EQ(closer.messages, QStringList{QString::fromUtf8("通讯已被中断,请重新开始")});
    EXPECT_TRUE(dialog.isVisible());  // the transfer closes it when it notices
}

// Blocks step faster than anyone could follow: the window shows the first
// step, then the latest once a frame has gone, in a pause, and whatever is
// left when the exchange stops. A cancel is seen by the next pump pass.
TEST(ProgressWindow, StepsShowOnceAFrameAndACancelAtTheNextPass)
{
    const LinkTexts& texts = findEdition("cps16")->texts(Language::English).link;
    CProgressDlg dialog(nullptr, texts, texts.readTitle, 123);
    dialog.show();
    QtLinkHost host(dialog, true);
    const auto step = [&host](int n) {
        host.progress(n);
        host.status(std::to_string(n));
    };
    const auto shown = [&dialog] {
        return std::to_string(dialog.progressBar()->value()) + " " + dialog.statusLabel()->text().toStdString();
    };
    step(1);
    host.pump();
    EXPECT_EQ(shown(), "1 1");
    step(2);
    host.pump();
    host.pause(1);
    EXPECT_EQ(shown(), "1 1");  // within the frame
    host.pause(static_cast<int>(StepPacer::kFrame / std::chrono::milliseconds(1)));
    host.pause(1);
    EXPECT_EQ(shown(), "2 2");
    step(3);
    host.setBusy(false);
    EXPECT_EQ(shown(), "3 3");

    // A cancel during a pause is seen by the very next pump pass.
    host.pause(1);
    EXPECT_FALSE(host.pump());
    host.pause(1);
    QTimer::singleShot(0, &dialog, [&dialog] { QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton); });
    EXPECT_TRUE(host.pump());
    EXPECT_TRUE(host.pump());
}

} // namespace
} // namespace tolvan
