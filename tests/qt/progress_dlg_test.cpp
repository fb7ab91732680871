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

// Presses a button of the progress window once it is up.
void pressWhenShown(bool start)
{
    QTimer::singleShot(0, [start] {
        CProgressDlg* d = progressWindow();
        ASSERT_NE(d, nullptr);
        QTest::mouseClick(start ? d->startButton() : d->cancelButton(), Qt::LeftButton);
    });
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
        pressWhenShown(c.press != Cancel);
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
        if (c.press == Cancel) {
            EXPECT_EQ(opener.opens, 0) << "nothing is sent";
        }
        if (c.press == StartThenCancel) {
            EXPECT_LT(radio.blocksWritten(), e.link.writeBlocks);
        }
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
            QString text, reason;
            pressWhenShown(true);
            QTimer::singleShot(0, [&] {
                QTimer::singleShot(0, [&] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    ASSERT_NE(box, nullptr);
                    text = box->text();
                    reason = box->informativeText();
                    box->button(QMessageBox::Ok)->click();
                });
            });
            EXPECT_FALSE(runCloneWithProgress(nullptr, *e, language, Direction::Read, "/dev/tolvan-no-such-port",
                                              newDocumentImage(*e), {.pauses = false}));
            EXPECT_EQ(text.toStdString(), e->texts(language).link.portOpenFail) << e->id;
            EXPECT_EQ(reason.toStdString(), language == Language::English
                                                ? "No such device: /dev/tolvan-no-such-port."
                                                : "没有这个设备：/dev/tolvan-no-such-port。")
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
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    dialog.move(200, 120);
    QApplication::processEvents();
    EXPECT_TRUE(dialog.cancelRequested());
    EXPECT_EQ(shown, QString::fromUtf8("通讯已被中断,请重新开始"));
    EXPECT_TRUE(dialog.isVisible());  // the transfer closes it when it notices
}

// A cancel during a pause is seen by the very next pump pass.
TEST(ProgressWindow, ACancelIsSeenByTheNextPass)
{
    const LinkTexts& texts = findEdition("cps16")->texts(Language::English).link;
    CProgressDlg dialog(nullptr, texts, texts.writeTitle, 123);
    dialog.show();
    QtLinkHost host(dialog, true);
    host.pause(1);
    EXPECT_FALSE(host.pump());
    host.pause(1);
    QTimer::singleShot(0, &dialog, [&dialog] { QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton); });
    EXPECT_TRUE(host.pump());
    EXPECT_TRUE(host.pump());
}

// Blocks step faster than anyone could follow: the window shows the first
// step, then the latest once a frame has gone, in a pause, and whatever is
// left when the exchange stops.
TEST(ProgressWindow, StepsShowOnceAFrameAndAllWhenTheExchangeStops)
{
    const LinkTexts& texts = findEdition("cps16")->texts(Language::English).link;
    CProgressDlg dialog(nullptr, texts, texts.readTitle, 123);
    dialog.show();
    QtLinkHost host(dialog, true);
    const auto shown = [&dialog] {
        return std::make_pair(dialog.progressBar()->value(), dialog.statusLabel()->text().toStdString());
    };
    host.progress(1);
    host.status("1");
    host.pump();
    EXPECT_EQ(shown(), std::make_pair(1, std::string("1")));
    host.progress(2);
    host.status("2");
    host.pump();
    host.pause(1);
    EXPECT_EQ(shown().first, 1);  // within the frame
    host.pause(static_cast<int>(StepPacer::kFrame / std::chrono::milliseconds(1)));
    host.pause(1);
    EXPECT_EQ(shown(), std::make_pair(2, std::string("2")));
    host.progress(3);
    host.status("3");
    host.setBusy(false);
    EXPECT_EQ(shown(), std::make_pair(3, std::string("3")));
}

} // namespace
} // namespace tolvan
