// Optional Features in the five family-A variants, through the window's own
// command, and the dialog of the four DTMF/FleetSync radios control by control.
#include "window_fixture.h"

#include "app/qt/window_connections.h"
#include "dialogs/optional_features.h"
#include "dialogs/qt/optional_features_dlg.h"
#include "dialogs/qt/signalling_features_dlg.h"
#include "dialogs/qt/text_spin_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace tolvan;

namespace {

QStringList textsOf(const QWidget& w)
{
    QStringList out;
    for (const QLabel* l : w.findChildren<QLabel*>())
        out << l->text();
    for (const QCheckBox* c : w.findChildren<QCheckBox*>())
        out << c->text();
    for (const QGroupBox* g : w.findChildren<QGroupBox*>())
        out << g->title();
    return out;
}

QStringList itemsOf(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// Runs `act` on the modal dialog that the next command opens.
void onModalDialog(std::function<void(QDialog&)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d) {
            ADD_FAILURE() << "no modal dialog";
            return;
        }
        act(*d);
    });
}

struct Variant {
    const char* id;
    const char* caption;
    std::size_t squelch;  // where the dialog keeps the squelch level
    bool chineseSystem = false;
};
const Variant kVariants[] = {
    {"cps-ccir", "Optional Features", 0x813},  {"cps-ccir", "可选功能", 0x813, true},
    {"cps-brand", "Optional Features", 0x813}, {"cps-fleet", "Optional Features", 0x7D3},
    {"cps-cn2", "可选功能", 0x813},             {"cps-cn10", "可选功能", 0x7D3},
};

QComboBox* squelchBoxOf(QDialog& d)
{
    if (auto* s = qobject_cast<CSignallingFeaturesDlg*>(&d))
        return s->squelchBox();
    if (auto* o = qobject_cast<COptionalFeaturesDlg*>(&d))
        return o->squelchBox();
    return nullptr;
}

} // namespace

// The menu command opens the program's own dialog; Cancel changes nothing, OK
// changes the document, and the change survives saving and reopening.
TEST_F(WindowTest, OptionalFeaturesOpensInEveryFamilyAVariant)
{
    for (const Variant& v : kVariants) {
        SCOPED_TRACE(v.id);
        auto w = start(v.id, nullptr, v.chineseSystem);
        ASSERT_TRUE(w);
        CMainFrame& frame = w->frame();
        connectWindowCommands(frame);
        frame.show();
        QAction* command = frame.action(cmd::OptionalFeatures);
        ASSERT_TRUE(command);
        const MemoryImage fresh = w->document().image();

        QString caption;
        onModalDialog([&](QDialog& d) {
            caption = d.windowTitle();
            squelchBoxOf(d)->setCurrentIndex(9);
            d.reject();
        });
        command->trigger();
        EXPECT_EQ(caption, QString::fromUtf8(v.caption));
        EXPECT_EQ(w->document().image(), fresh);
        EXPECT_FALSE(w->document().isModified());

        onModalDialog([](QDialog& d) {
            QComboBox* squelch = squelchBoxOf(d);
            ASSERT_TRUE(squelch);
            squelch->setCurrentIndex(9);
            d.accept();
        });
        command->trigger();
        EXPECT_EQ(w->document().image().at(v.squelch), 9);
        EXPECT_TRUE(w->document().isModified());

        const QString file = path(QString(v.id) + (v.chineseSystem ? "_zh" : "") + ".sin");
        dialogs.saveNames.push_back(file);
        ASSERT_TRUE(frame.fileSave());
        ASSERT_TRUE(frame.fileNew());
        EXPECT_EQ(w->document().image().at(v.squelch), fresh.at(v.squelch));
        ASSERT_TRUE(frame.openFile(file));
        EXPECT_EQ(w->document().image().at(v.squelch), 9);
    }
}

TEST(CSignallingFeaturesDlg, EveryControlReachesItsByte)
{
    struct Case {
        const char* id;
        bool smaller;
    };
    for (const Case& c : {Case{"cps-brand", false}, {"cps-cn2", false}, {"cps-fleet", true}, {"cps-cn10", true}}) {
        SCOPED_TRACE(c.id);
        const Edition& e = *findEdition(c.id);
        MemoryImage image = newDocumentImage(e);
        CSignallingFeaturesDlg dlg(image, *e.signallingFeatures, e.uiLanguage(Language::English));
        EXPECT_EQ(dlg.timeOutBox()->text(), "OFF");
        dlg.timeOutBox()->stepBy(3);
        EXPECT_EQ(dlg.timeOutBox()->text(), "45");
        dlg.squelchBox()->setCurrentIndex(7);
        dlg.languageBox()->setCurrentIndex(1);
        dlg.beepBox()->setChecked(false);
        dlg.scramblerBox()->setChecked(true);
        dlg.batterySaveBox()->setChecked(false);
        dlg.voxGainBox()->setCurrentIndex(4);
        dlg.voxDelayBox()->setCurrentIndex(5);
        dlg.voxFunctionBox()->setChecked(true);
        dlg.voxInhibitBox()->setChecked(false);
        dlg.pf1Box()->setCurrentIndex(2);
        dlg.pf2Box()->setCurrentIndex(4);
        // The PTT ID group exists only in the larger radio's programs.
        EXPECT_EQ(dlg.pttIdBox() == nullptr, c.smaller);
        EXPECT_EQ(dlg.aniCodeBox() == nullptr, c.smaller);
        EXPECT_EQ(dlg.beginOfTxBox() == nullptr, c.smaller);
        if (!c.smaller) {
            QTest::keyClicks(dlg.pttIdBox(), "9a87x65");
            EXPECT_EQ(dlg.pttIdBox()->text(), "9876") << "digits only, four at most";
            QTest::keyClicks(dlg.aniCodeBox(), "ab-1*c");
            EXPECT_EQ(dlg.aniCodeBox()->text(), "AB1C");
            dlg.beginOfTxBox()->setChecked(true);
        }
        dlg.accept();
        EXPECT_TRUE(dlg.imageChanged());

        if (c.smaller) {
            EXPECT_EQ(image.at(0x7D4), 3);
            EXPECT_EQ(image.at(0x7D3), 7);
            EXPECT_EQ(image.at(0x7D2), 0x26) << "English, scrambler, VOX function";
            EXPECT_EQ(image.at(0x7D5), 4);
            EXPECT_EQ(image.at(0x7D6), 5);
            EXPECT_EQ(image.at(0x7D0), 2);
            EXPECT_EQ(image.at(0x7D1), 4);
            EXPECT_EQ(image.at(0x7B0), 0xFF);
            EXPECT_EQ(image.at(0x7C0), 0xFF);
        } else {
            EXPECT_EQ(image.at(0x814), 3);
            EXPECT_EQ(image.at(0x813), 7);
            EXPECT_EQ(image.at(0x812), 0x12) << "English, scrambler";
            EXPECT_EQ(image.at(0x810), 0xA0) << "VOX function, Begin of Tx";
            EXPECT_EQ(image.at(0x815), 4);
            EXPECT_EQ(image.at(0x816), 5);
            EXPECT_EQ(image.at(0x81A), 2);
            EXPECT_EQ(image.at(0x81B), 4);
            EXPECT_EQ(image.at(0x820), '1') << "9876 keeps within 0000-1999";
            EXPECT_EQ(image.at(0x823), '6');
            EXPECT_EQ(image.at(0x830), 'A');
            EXPECT_EQ(image.at(0x833), 'C');
            EXPECT_EQ(image.at(0x834), 0xFF);
        }

        // Reopened, the dialog shows what OK stored.
        CSignallingFeaturesDlg again(image, *e.signallingFeatures, e.uiLanguage(Language::English));
        EXPECT_EQ(again.timeOutBox()->text(), "45");
        EXPECT_EQ(again.voxDelayBox()->currentText(), "3.0");
        EXPECT_EQ(again.pf2Box()->currentIndex(), 4);
        if (!c.smaller) {
            EXPECT_EQ(again.pttIdBox()->text(), "1876");
        }
    }
}

TEST(CSignallingFeaturesDlg, CancelLeavesTheImage)
{
    const Edition& e = *findEdition("cps-fleet");
    const MemoryImage fresh = newDocumentImage(e);
    MemoryImage image = fresh;
    CSignallingFeaturesDlg dlg(image, *e.signallingFeatures, Language::English);
    dlg.squelchBox()->setCurrentIndex(1);
    dlg.reject();
    EXPECT_EQ(image, fresh);
    EXPECT_FALSE(dlg.imageChanged());
}

TEST(CSignallingFeaturesDlg, EachProgramWordsItsDialog)
{
    struct Case {
        const char* id;
        QStringList present;
        QStringList absent;
        QStringList languages;
    };
    const std::vector<Case> cases = {
        {"cps-brand",
         {"Optional Features", "Time-out Timer", "Squelch Level", "Language Choose", "Beep", "Scrambler Activation",
          "Battery Save", "Vox Gain Level", "Vox  Delay Time(s)", "Vox Function", "Vox Inhibit On Recieve",
          "Key Assignment", "PF1", "PF2", "PTT ID", "ANI CODE", "Begin of Tx", "End of Tx"},
         {},
         {"Chinese", "English", "Off"}},
        {"cps-fleet", {"Time-out Timer", "Key Assignment", "Vox Function"}, {"PTT ID", "ANI CODE", "Begin of Tx"},
         {"Chinese", "English", "OFF"}},
        {"cps-cn2",
         {"发射限时(秒)", "静噪等级(SQ)", "语言选择", "报警音提示", "电池省电", "扰频器激活", "VOX(声控发射)", "Vox功能",
          "VOX增益电平", "VOX延迟时间(秒)", "接收时禁止VOX", "PTT ID", "ANI", "本机命名", "开始发射", "结束发射",
          "按键编程设定", "PF1键功能选择", "PF2键功能选择"},
         {},
         {"中文", "英文", "关闭"}},
        {"cps-cn10", {"超时定时器", "VOX(声控发射)", "按键编程设定"}, {"PTT ID", "ANI", "本机命名", "开始发射", "发射限时(秒)"},
         {"中文", "英文", "关闭"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const Edition& e = *findEdition(c.id);
        MemoryImage image = newDocumentImage(e);
        CSignallingFeaturesDlg dlg(image, *e.signallingFeatures, e.uiLanguage(Language::English));
        const QStringList texts = textsOf(dlg) << dlg.windowTitle();
        for (const QString& t : c.present)
            EXPECT_TRUE(texts.contains(t)) << t.toStdString();
        for (const QString& t : c.absent)
            EXPECT_FALSE(texts.contains(t)) << t.toStdString();
        EXPECT_EQ(itemsOf(dlg.languageBox()), c.languages);
        EXPECT_EQ(dlg.languageBox()->currentIndex(), 2) << "a new document's language is off";
        const QStringList keys = itemsOf(dlg.pf1Box());
        EXPECT_EQ(keys.size(), 6);
        EXPECT_EQ(keys.last(), e.uiLanguage(Language::English) == Language::English ? "Scrambler" : "扰频器");
    }
}

// Pictures for docs/, written only when TOLVAN_SCREENSHOT_DIR names a directory.
TEST(DialogScreenshots, OptionalFeaturesOfTheFamilyAVariants)
{
    const QString dir = qEnvironmentVariable("TOLVAN_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set TOLVAN_SCREENSHOT_DIR to write the pictures";
    for (const Variant& v : kVariants) {
        if (v.chineseSystem)
            continue;
        const Edition& e = *findEdition(v.id);
        MemoryImage image = newDocumentImage(e);
        const Language language = e.uiLanguage(Language::English);
        std::unique_ptr<QDialog> dlg;
        if (e.signallingFeatures)
            dlg = std::make_unique<CSignallingFeaturesDlg>(image, *e.signallingFeatures, language);
        else
            dlg = std::make_unique<COptionalFeaturesDlg>(image, *e.optionalFeatures, e, language);
        dlg->show();
        QApplication::processEvents();
        ASSERT_TRUE(dlg->grab().save(QDir(dir).filePath(QString("optional_features_%1.png").arg(v.id))));
    }
}
