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

// Cancel before Start sends nothing and opens no port (a read to its end and
// a cancel mid-transfer: the user scenarios and the fleet window's cancels).
TEST(ProgressWindow, ACancelBeforeStartSendsNothing)
{
    const Edition& e = *findEdition("cps-fleet");
    VirtualRadio radio(sampleCodeplug(e));
    RadioPortOpener opener(radio);
    CloneOutcome outcome;
    pressWhenShown(&CProgressDlg::cancelButton);
    EXPECT_FALSE(runCloneWithProgress(nullptr, e, Language::English, Direction::Read, "COM1", newDocumentImage(e),
                                      {.opener = &opener, .pauses = false, .outcome = &outcome}));
    EXPECT_EQ(outcome.result, CloneResult::Cancelled);
    EXPECT_EQ(progressWindow(), nullptr);
    EXPECT_FALSE(cloneTransferRunning());
    EXPECT_EQ(opener.opens, 0);
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
    dialog.setMessageCaption(QString::fromUtf8("写频软件"));
    WindowCloser closer(true);
    dialog.move(200, 120);
    QApplication::processEvents();
    EXPECT_TRUE(dialog.cancelRequested());
    EXPECT_EQ(closer.messages, QStringList{QString::fromUtf8("通讯已被中断,请重新开始")});
    EXPECT_EQ(closer.captions, QStringList{QString::fromUtf8("写频软件")});
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

// Every message a transfer, Test Mode and Two Tone can show (the fleet log's: FleetWindow),
// in every program and language, as the window started like the program
// shows it: each box carries the program's caption.
TEST_F(WindowTest, EveryMessageCarriesTheProgramsCaption)
{
    // A path: what the radio or the port does, the command, and what the user
    // does in the window the command opens (true while it is still acting).
    struct Path {
        const char* what;
        bool (*applies)(const Edition&);
        std::function<void(const Edition&)> arrange;
        int command;
        std::function<bool(QWidget&, bool& acting)> act;
    };
    const auto every = [](const Edition&) { return true; };
    // Test Mode's Start on the TX power item, pressed from the window's own loop.
    const auto pressStart = [](QWidget& window, bool& acting) {
        auto* d = qobject_cast<CDebugModeDlg*>(&window);
        if (!d || !d->isEnabled() || d->node(TestModeState::kDebugItem)->isExpanded())
            return acting;
        acting = true;
        d->node(TestModeState::kDebugItem)->setExpanded(true);
        d->tree()->setCurrentItem(d->node(TestModeState::kTxPower));
        QTimer::singleShot(0, d, [d, &acting] {
            d->startButton()->click();
            acting = false;
        });
        return true;
    };
    const Path paths[] = {
        {"read, the port refused", every, [this](const Edition&) { opener().failOpen = true; }, cmd::ReadFromRadio, {}},
        {"read, no answer", every, [this](const Edition&) { radio().faults.answerFromAttempt = 99; }, cmd::ReadFromRadio, {}},
        {"read, no acknowledgement", every, [this](const Edition&) { radio().faults.noAckBlock = 3; },
         cmd::ReadFromRadio, {}},
        {"read, a wrong password", [](const Edition& e) { return e.passwordOffset.has_value(); },
         [this](const Edition& e) { radio().setPassword(e, "123456"); }, cmd::ReadFromRadio, {}},
        {"write, no acknowledgement", every, [this](const Edition&) { radio().faults.noAckBlock = 3; },
         cmd::WriteToRadio, {}},
        {"write, another radio type", [](const Edition& e) { return e.link.typeCheckOffset.has_value(); },
         [this](const Edition&) { radio().setTypeByte(0x12); }, cmd::WriteToRadio, {}},
        {"Test Mode, the port refused", every, [this](const Edition&) { opener().failOpen = true; }, cmd::TestMode, pressStart},
        {"Test Mode, no answer", every, [this](const Edition&) { radio().faults.testModeFailStep = 10; }, cmd::TestMode,
         pressStart},
        {"Test Mode, finished", every, [](const Edition&) {}, cmd::TestMode, pressStart},
        {"Two Tone, a letter typed", [](const Edition& e) { return e.hasTwoTone; }, [](const Edition&) {}, cmd::TwoTone,
         [](QWidget& window, bool& acting) {
             auto& d = dynamic_cast<CTwoToneDlg&>(window);
             if (acting || d.encodePage()->cellEditor()->isVisible())
                 return acting;
             acting = true;
             QTimer::singleShot(0, &d, [&d, &acting] {
                 d.encodePage()->grid()->setCurrentCell(0, 1);
                 QTest::keyClick(d.encodePage()->grid(), Qt::Key_X);
                 acting = false;
             });
             return true;
         }},
    };
    for (const ProgramRun& run : everyProgramAndLanguage()) {
        const Edition& e = *run.edition;
        for (const Path& p : paths) {
            if (!p.applies(e))
                continue;
            SCOPED_TRACE(e.id + (run.chineseSystem ? " (Chinese): " : ": ") + p.what);
            // A branded program named by its ini file, as it is shipped.
            const char* ini = e.brandedFromIni ? "[MAIN]\nTITLE=Harbour Radio CPS\n" : nullptr;
            auto w = start(e.id.c_str(), ini, run.chineseSystem);
            w->frame().choosePort("virtual");
            p.arrange(e);
            dialogs.shown.clear();
            QStringList captions;
            {
                // The progress window is started; a question is answered as its Esc would.
                WindowCloser closer(true, true);
                bool acting = false;
                if (p.act)
                    closer.visit = [&](QWidget& window) { return p.act(window, acting); };
                w->frame().action(p.command)->trigger();
                QApplication::processEvents();
                captions = closer.captions;
            }
            for (const auto& shown : dialogs.shown)
                captions << shown.title;
            EXPECT_FALSE(captions.isEmpty()) << "no message";
            EXPECT_EQ(captions.join(" | ").toStdString(),
                      QStringList(captions.size(), w->frame().messageCaption()).join(" | ").toStdString());
        }
    }
}

} // namespace
} // namespace tolvan
