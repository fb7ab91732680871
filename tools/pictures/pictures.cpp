// The pictures of docs/ that scripts/make_pictures.sh takes from the widgets:
// dialogs, cell editors, open menus and the progress window mid-read.
#include "editing_fixture.h"

extern QString g_pictureDir;

using namespace tolvan;

namespace {

QString pictureDir()
{
    return g_pictureDir;
}

void save(QWidget& w, const QString& name)
{
    w.show();
    QApplication::processEvents();
    ASSERT_TRUE(w.grab().save(QDir(pictureDir()).filePath(name))) << name.toStdString();
}

class NoPorts : public PortOpener {
public:
    PortOpenResult open(const std::string&, const TimeoutProfile&) override { return {nullptr, "none"}; }
};

// The edition's own Optional Features dialog, as its window opens it.
std::unique_ptr<QDialog> settingsDialog(MemoryImage& image, const Edition& e, Language language)
{
    if (e.signallingFeatures)
        return std::make_unique<CSignallingFeaturesDlg>(image, *e.signallingFeatures, language);
    if (e.settingsLists)
        return std::make_unique<CSettingsListsDlg>(image, e, language);
    return std::make_unique<COptionalFeaturesDlg>(image, *e.optionalFeatures, e, language);
}

class EditingScreenshots : public EditingTest {
protected:
    void SetUp() override
    {
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

TEST(DialogScreenshots, OfEverySettingsDialog)
{
    const Edition& twoTone = *findEdition("cps-twotone");
    for (Language language : {Language::English, Language::Chinese}) {
        const QString suffix = language == Language::English ? "_en.png" : "_zh.png";
        MemoryImage image = newDocumentImage(twoTone);
        image.write(0xE00, std::array<std::uint8_t, 8>{0x27, 0x10, 0x3A, 0x98, 0x0B, 0x45, 0x79, 0x54});
        save(*settingsDialog(image, twoTone, language), "optional_features" + suffix);
        CTwoToneDlg tones(image, twoTone, language);
        save(tones, "two_tone" + suffix);
        tones.tabs()->setCurrentIndex(1);
        save(tones, "two_tone_decode" + suffix);
        NoPorts ports;
        CDebugModeDlg test(twoTone, language, "COM1", "136 - 174MHz", ports);
        test.tree()->setCurrentItem(test.node(TestModeState::kHighFrequency));
        save(test, "test_mode" + suffix);
        test.node(TestModeState::kDebugItem)->setExpanded(true);
        test.tree()->setCurrentItem(test.node(TestModeState::kTxPower));
        save(test, "test_mode_item" + suffix);
    }
    for (const char* id : {"cps-keys", "cps-keys-cn"}) {
        const Edition& e = *findEdition(id);
        const QString suffix = e.uiLanguage(Language::English) == Language::English ? "_en.png" : "_zh.png";
        MemoryImage image = newDocumentImage(e);
        CKeyAssignmentDlg keys(image, e, Language::English);
        save(keys, "key_assignment" + suffix);
        save(*settingsDialog(image, e, Language::English), "key_optional_features" + suffix);
    }
    for (const char* id : {"cps-ccir", "cps-brand", "cps-fleet", "cps-cn2", "cps-cn10"}) {
        const Edition& e = *findEdition(id);
        MemoryImage image = newDocumentImage(e);
        save(*settingsDialog(image, e, e.uiLanguage(Language::English)), QString("optional_features_%1.png").arg(id));
    }
}

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

TEST_F(WindowTest, PicturesOfTheOpenMenus)
{
    const QDir out(pictureDir());
    for (const ProgramRun& run : everyProgramAndLanguage()) {
        const Edition* e = run.edition;
        const bool chinese = run.chinese();
        auto w = start(e->id.c_str(), nullptr, run.chineseSystem);
        ASSERT_TRUE(w);
        CMainFrame& frame = w->frame();
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

TEST_F(WindowTest, PictureOfTheBrandedProgram)
{
    const QString dir = pictureDir();
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

// The progress window as a user sees it halfway through a read.
TEST(ProgressWindow, PictureMidTransfer)
{
    const Edition& e = *findEdition("cps-twotone");
    VirtualRadio radio(sampleCodeplug(e));
    RadioPortOpener opener(radio);
    pressWhenShown();
    bool saved = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<CProgressDlg*>(w); !saved && d && d->isVisible() && d->progressBar()->value() >= 250) {
                saved = d->grab().save(QDir(pictureDir()).filePath("progress-window.png"));
                timer.stop();
            }
    });
    timer.start(0);
    runCloneWithProgress(nullptr, e, Language::English, Direction::Read, "COM1", MemoryImage(e.imageSize),
                         {.opener = &opener, .pauses = false});
    EXPECT_TRUE(saved);
}

// The help window (F1) of one program of each family, in its own language.
TEST_F(WindowTest, PicturesOfTheHelpWindow)
{
    for (const auto& [id, chineseSystem] : {std::pair{"cps-twotone", false}, {"cps-cn2", true}, {"cps-keys", false},
                                            {"cps16-cn", true}}) {
        auto w = start(id, nullptr, chineseSystem);
        CMainFrame& frame = w->frame();
        frame.action(cmd::HelpTopics)->trigger();
        ASSERT_TRUE(frame.helpWindow()) << id;
        save(*frame.helpWindow(), QString("help-%1.png").arg(id));
        frame.helpWindow()->close();
    }
}
