// The key-assignment radios' window: the data password on the form, reading a
// protected radio, and the two settings dialogs from the menu.
#include "window_fixture.h"

#include "app/qt/window_connections.h"
#include "dialogs/qt/debug_mode_dlg.h"
#include "dialogs/qt/key_assignment_dlg.h"
#include "dialogs/qt/settings_lists_dlg.h"
#include "editor/qt/ms_flex_grid.h"
#include "link/qt/progress_dlg.h"
#include "sim/radio_port.h"
#include "sim/sample_codeplug.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace tolvan;

namespace {

const char* const kKeyPrograms[] = {"cps-keys", "cps-keys-cn"};

// Presses Start on the progress window, and OK on every message box the
// transfer shows, recording their texts.
class TransferDriver : public QObject {
public:
    TransferDriver()
    {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(5);
    }
    QStringList messages;

private:
    void poll()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                messages << box->text();
                box->accept();
                return;
            }
            if (auto* d = qobject_cast<CProgressDlg*>(w); d && !d->wasStarted())
                QTest::mouseClick(d->startButton(), Qt::LeftButton);
        }
    }
    QTimer timer_;
};

// Runs `change` on the modal dialog of type D that `command` opens, then OK.
template <typename D>
bool acceptDialog(CMainFrame& frame, int command, const std::function<void(D&)>& change)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
            seen = true;
            change(*d);
            d->accept();
        }
    });
    frame.action(command)->trigger();
    return seen;
}

} // namespace

TEST_F(WindowTest, TheDataPasswordSitsBesideTypeAndField)
{
    for (const char* id : kKeyPrograms) {
        SCOPED_TRACE(id);
        MemoryImage image = newDocumentImage(*findEdition(id));
        image.write(0, std::vector<std::uint8_t>{'2', '4', 0xFF, '6', 0xFF, 0xFF});
        writeFile("protected.sin", image);
        auto w = start(id);
        CTolView& view = w->frame().view();
        QLineEdit* password = view.passwordEdit();
        ASSERT_NE(password, nullptr);
        EXPECT_EQ(password->maxLength(), 6);
        EXPECT_EQ(password->text(), "");
        EXPECT_EQ(password->parentWidget(), view.formList(1)->parentWidget()) << "in the form's group";
        QStringList labels;
        for (const QLabel* l : password->parentWidget()->findChildren<QLabel*>())
            labels << l->text();
        EXPECT_EQ(labels.size(), 3);
        EXPECT_EQ(labels.last(), id == std::string("cps-keys") ? "Data Password" : "数据密码");

        ASSERT_TRUE(w->frame().openFile(path("protected.sin")));
        EXPECT_EQ(password->text(), "246");
        EXPECT_FALSE(w->document().isModified());
        password->setFocus();
        password->selectAll();
        QTest::keyClicks(password, "13579135");
        EXPECT_EQ(password->text(), "135791") << "six characters at most";
        EXPECT_TRUE(w->document().isModified());
        dialogs.saveNames.push_back(path("saved.sin"));
        ASSERT_TRUE(w->frame().fileSaveAs());
        QFile saved(path("saved.sin"));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.read(7), QByteArray("135791\xFF", 7));
    }
    auto other = start("cps16");
    EXPECT_EQ(other->frame().view().passwordEdit(), nullptr);
}

TEST_F(WindowTest, AProtectedRadioIsReadOnlyWithItsPassword)
{
    for (const char* id : kKeyPrograms) {
        SCOPED_TRACE(id);
        auto w = start(id);
        CMainFrame& frame = w->frame();
        const Edition& e = w->document().edition();
        VirtualRadio radio(sampleCodeplug(e));
        radio.setPassword(e, "123456");
        RadioPortOpener opener(radio);
        connectWindowCommands(frame, {.opener = &opener, .pauses = false});
        frame.show();
        QLineEdit* password = frame.view().passwordEdit();
        ASSERT_NE(password, nullptr);

        struct Attempt {
            const char* typed;
            bool reads;
        };
        for (const Attempt& a : {Attempt{"", false}, Attempt{"123455", false}, Attempt{"123456", true}}) {
            password->clear();
            QTest::keyClicks(password, a.typed);
            w->document().setModified(false);
            TransferDriver driver;
            const bool read = frame.view().readFromRadio();
            EXPECT_EQ(read, a.reads) << a.typed;
            EXPECT_EQ(driver.messages.contains("Password incorrect"), !a.reads) << a.typed;
            EXPECT_EQ(frame.view().grid()->textMatrix(1, 1).isEmpty(), !a.reads) << "the table changes only when read";
            EXPECT_EQ(w->document().isModified(), a.reads);
            EXPECT_TRUE(password->isEnabled());
        }
        EXPECT_EQ(password->text(), "123456") << "the radio's password, as read";
        EXPECT_EQ(radio.blocksRead(), 2 + 2 + 128);
    }
}

TEST_F(WindowTest, KeyAssignmentAndOptionalFeaturesFromTheMenu)
{
    for (const char* id : kKeyPrograms) {
        SCOPED_TRACE(id);
        auto w = start(id);
        CMainFrame& frame = w->frame();
        connectWindowCommands(frame);
        ASSERT_NE(frame.action(cmd::KeyAssignment), nullptr);
        EXPECT_EQ(frame.action(cmd::KeyAssignment)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
        EXPECT_EQ(frame.action(cmd::Open)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O)) << "Ctrl+O stays Open";

        // Cancel changes nothing.
        QTimer::singleShot(0, [] {
            if (QWidget* d = QApplication::activeModalWidget())
                qobject_cast<QDialog*>(d)->reject();
        });
        frame.action(cmd::KeyAssignment)->trigger();
        EXPECT_FALSE(w->document().isModified());

        EXPECT_TRUE(acceptDialog<CKeyAssignmentDlg>(frame, cmd::KeyAssignment,
                                                    [](CKeyAssignmentDlg& d) { d.longPressBox(1)->setCurrentIndex(5); }));
        EXPECT_EQ(w->document().image().at(0x3C6), 0x75);
        EXPECT_TRUE(w->document().isModified());

        w->document().setModified(false);
        EXPECT_TRUE(acceptDialog<CSettingsListsDlg>(frame, cmd::OptionalFeatures,
                                                    [](CSettingsListsDlg& d) { d.listBox(2)->setCurrentIndex(7); }));
        EXPECT_EQ(w->document().image().at(0x3C1), 7);
        EXPECT_TRUE(w->document().isModified());
    }
    for (const char* id : {"cps-twotone", "cps16"})
        EXPECT_FALSE(start(id)->frame().hasCommand(cmd::KeyAssignment)) << id;
}

TEST_F(WindowTest, TheChineseKeyRadioKeepsItsTestModeInEnglish)
{
    for (const char* id : kKeyPrograms) {
        auto w = start(id);
        const Edition& e = w->document().edition();
        VirtualRadio radio(e);
        RadioPortOpener opener(radio);
        CDebugModeDlg dlg(e, w->frame().view().language(), "COM1", "136 - 174MHz", opener);
        EXPECT_EQ(dlg.windowTitle(), QString::fromStdString(testModeTexts(Language::English).caption)) << id;
    }
}

TEST_F(WindowTest, EachWindowStartsAtItsEditionsSizeOrItsProportionsOnASmallScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const char* id : {"cps-keys", "cps-keys-cn", "cps-twotone"}) {
        auto w = start(id);
        const WindowSize want = findEdition(id)->windowSize.fittedTo(screen.width(), screen.height());
        EXPECT_EQ(w->frame().size(), QSize(want.width, want.height)) << id;
    }
}
