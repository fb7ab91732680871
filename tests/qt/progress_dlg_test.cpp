// The progress window driving a read and a write against the in-process
// virtual radio, with the exchange's pauses turned off.

#include "link/qt/clone_with_progress.h"
#include "link/qt/progress_dlg.h"
#include "link/qt/qt_link_host.h"
#include "sim/radio_port.h"
#include "sim/sample_codeplug.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tolvan {
namespace {

CProgressDlg* progressWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<CProgressDlg*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

struct Seen {
    QString title, status, start, cancel;
    bool startIsDefault = false;
    int maximum = -1;
};

// Presses a button of the progress window once it is up, noting what it shows.
void pressWhenShown(Seen& seen, bool start)
{
    QTimer::singleShot(0, [&seen, start] {
        CProgressDlg* d = progressWindow();
        ASSERT_NE(d, nullptr);
        seen = {d->windowTitle(), d->statusLabel()->text(), d->startButton()->text(), d->cancelButton()->text(),
                d->startButton()->isDefault(), d->progressBar()->maximum()};
        QTest::mouseClick(start ? d->startButton() : d->cancelButton(), Qt::LeftButton);
    });
}

// Answers the next message box with its default button, noting its text.
void answerMessageBox(QString& text)
{
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        box->button(box->standardButtons() & QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Cancel)->click();
    });
}

TEST(ProgressWindow, ReadsThroughTheDialog)
{
    const Edition& e = *findEdition("cps-twotone");
    VirtualRadio radio(sampleCodeplug(e));
    RadioPortOpener opener(radio);
    CloneOutcome outcome;
    Seen seen;
    pressWhenShown(seen, true);
    const MemoryImage document(e.imageSize, 0x11);
    const auto image = runCloneWithProgress(nullptr, e, Language::English, Direction::Read, "COM1", document,
                                            {.opener = &opener, .pauses = false, .outcome = &outcome});
    EXPECT_EQ(seen.title, "Reading Data Progress");
    EXPECT_EQ(seen.status, "   Not start yet");
    EXPECT_EQ(seen.start, "Start");
    EXPECT_EQ(seen.cancel, "Cancel");
    EXPECT_TRUE(seen.startIsDefault);
    EXPECT_EQ(seen.maximum, 507);
    ASSERT_EQ(outcome.result, CloneResult::Completed) << outcome.message;
    ASSERT_TRUE(image);
    EXPECT_EQ(image->bytes(0, 0xFE0).size(), 0xFE0u);
    for (std::size_t i = 0; i < e.imageSize; ++i)
        ASSERT_EQ(image->at(i), i < 0xFE0 ? radio.memory().at(i) : 0x11) << i;
    EXPECT_EQ(progressWindow(), nullptr);
    EXPECT_FALSE(cloneTransferRunning());
}

TEST(ProgressWindow, ChineseWriteShowsTheEditionsTexts)
{
    const Edition& e = *findEdition("cps16-cn");
    VirtualRadio radio(e);
    RadioPortOpener opener(radio);
    CloneOutcome outcome;
    Seen seen;
    pressWhenShown(seen, true);
    const MemoryImage document = sampleCodeplug(e);
    EXPECT_FALSE(runCloneWithProgress(nullptr, e, Language::English, Direction::Write, "COM1", document,
                                      {.opener = &opener, .pauses = false, .outcome = &outcome}));
    EXPECT_EQ(seen.title, QString::fromUtf8("正在写数据"));
    EXPECT_EQ(seen.start, QString::fromUtf8("开始"));
    EXPECT_EQ(outcome.result, CloneResult::Completed);
    EXPECT_EQ(radio.memory().bytes(0, 0x3D8).size(), 0x3D8u);
    for (std::size_t i = 0; i < 0x3D8; ++i)
        ASSERT_EQ(radio.memory().at(i), document.at(i)) << i;
}

TEST(ProgressWindow, CancelBeforeStartSendsNothing)
{
    const Edition& e = *findEdition("cps-fleet");
    VirtualRadio radio(e);
    RadioPortOpener opener(radio);
    CloneOutcome outcome;
    Seen seen;
    pressWhenShown(seen, false);
    EXPECT_FALSE(runCloneWithProgress(nullptr, e, Language::English, Direction::Read, "COM1", newDocumentImage(e),
                                      {.opener = &opener, .pauses = false, .outcome = &outcome}));
    EXPECT_EQ(outcome.result, CloneResult::Cancelled);
    EXPECT_EQ(opener.opens, 0);
    EXPECT_EQ(progressWindow(), nullptr);
}

TEST(ProgressWindow, APortThatWillNotOpenIsShownAndNothingIsKept)
{
    const Edition& e = *findEdition("cps-keys");
    VirtualRadio radio(e);
    RadioPortOpener opener(radio);
    opener.failOpen = true;
    CloneOutcome outcome;
    Seen seen;
    QString shown;
    pressWhenShown(seen, true);
    QTimer::singleShot(0, [&shown] { answerMessageBox(shown); });
    EXPECT_FALSE(runCloneWithProgress(nullptr, e, Language::English, Direction::Read, "COM1", newDocumentImage(e),
                                      {.opener = &opener, .pauses = false, .outcome = &outcome}));
    EXPECT_EQ(outcome.result, CloneResult::Failed);
    EXPECT_EQ(shown.toStdString(), e.texts(Language::English).link.portOpenFail);
    EXPECT_EQ(progressWindow(), nullptr);
}

// The system's port, refused, says why beneath the message, in the window's
// language (a picture of it when TOLVAN_SCREENSHOT_DIR is set).
TEST(ProgressWindow, ThePortsReasonIsShownInTheWindowsLanguage)
{
    for (const Edition* e : allEditions()) {
        for (Language language : {Language::English, Language::Chinese}) {
            Seen seen;
            QString text, reason;
            pressWhenShown(seen, true);
            QTimer::singleShot(0, [&, e, language] {
                QTimer::singleShot(0, [&, e, language] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    ASSERT_NE(box, nullptr);
                    text = box->text();
                    reason = box->informativeText();
                    const QString dir = qEnvironmentVariable("TOLVAN_SCREENSHOT_DIR");
                    if (!dir.isEmpty() && e->id == "cps-twotone")
                        box->grab().save(dir + (language == Language::English ? "/port_refused_en.png"
                                                                               : "/port_refused_ch.png"));
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

TEST(ProgressWindow, CancelWhileRunningEndsTheTransferWithoutAMessage)
{
    const Edition& e = *findEdition("cps-twotone");
    VirtualRadio radio(e);
    RadioPortOpener opener(radio);
    CloneOutcome outcome;
    Seen seen;
    pressWhenShown(seen, true);
    // Queued behind Start: clicked during the transfer's first pump passes.
    QTimer::singleShot(0, [] {
        QTimer::singleShot(0, [] {
            if (CProgressDlg* d = progressWindow())
                QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
        });
    });
    EXPECT_FALSE(runCloneWithProgress(nullptr, e, Language::English, Direction::Write, "COM1", newDocumentImage(e),
                                      {.opener = &opener, .pauses = false, .outcome = &outcome}));
    EXPECT_EQ(outcome.result, CloneResult::Cancelled);
    EXPECT_LT(radio.blocksWritten(), e.link.writeBlocks);
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
    answerMessageBox(shown);
    dialog.move(200, 120);
    QApplication::processEvents();
    EXPECT_TRUE(dialog.cancelRequested());
    EXPECT_EQ(shown, QString::fromUtf8("通讯已被中断,请重新开始"));
    EXPECT_TRUE(dialog.isVisible());  // the transfer closes it when it notices
}

// The passes after a block run back to back; the event loop is asked once,
// not 201 times, and a cancel is still seen by the very next pass.
TEST(ProgressWindow, ABurstOfPassesAsksTheEventLoopOnce)
{
    const LinkTexts& texts = findEdition("cps16")->texts(Language::English).link;
    CProgressDlg dialog(nullptr, texts, texts.writeTitle, 123);
    dialog.show();
    QtLinkHost host(dialog, true);
    int asked = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, &dialog,
                     [&asked] { ++asked; });
    host.pause(1);
    for (int i = 0; i < 201; ++i)
        EXPECT_FALSE(host.pump());
    // A machine that stalls the burst may look once a millisecond in between.
    EXPECT_GE(asked, 1);
    EXPECT_LT(asked, 20);

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

// Writes docs/progress-window.png when TOLVAN_SCREENSHOT_DIR names a folder: the
// window as a user sees it halfway through a read.
TEST(ProgressWindow, PictureMidTransfer)
{
    const QString dir = qEnvironmentVariable("TOLVAN_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set TOLVAN_SCREENSHOT_DIR to write the picture";
    const Edition& e = *findEdition("cps-twotone");
    VirtualRadio radio(sampleCodeplug(e));
    RadioPortOpener opener(radio);
    Seen seen;
    pressWhenShown(seen, true);
    bool saved = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        CProgressDlg* d = progressWindow();
        if (!saved && d && d->progressBar()->value() >= 250) {
            saved = d->grab().save(dir + "/progress-window.png");
            timer.stop();
        }
    });
    timer.start(0);
    runCloneWithProgress(nullptr, e, Language::English, Direction::Read, "COM1", MemoryImage(e.imageSize),
                         {.opener = &opener, .pauses = false});
    EXPECT_TRUE(saved);
}

} // namespace
} // namespace tolvan
