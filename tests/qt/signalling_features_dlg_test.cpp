// Optional Features in the five family-A variants, through the window's own
// command, and the dialog of the four DTMF/FleetSync radios control by control.
#include "window_fixture.h"

using namespace tolvan;

namespace {

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
        CMainFrame& frame = w->frame();
        connectWindowCommands(frame);
        frame.show();
        QAction* command = frame.action(cmd::OptionalFeatures);
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
            squelchBoxOf(d)->setCurrentIndex(9);
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
        if (!c.smaller) {
            QTest::keyClicks(dlg.pttIdBox(), "9a87x65");
            EXPECT_EQ(dlg.pttIdBox()->text(), "9876") << "digits only, four at most";
            QTest::keyClicks(dlg.aniCodeBox(), "ab-1*c");
            EXPECT_EQ(dlg.aniCodeBox()->text(), "AB1C");
            dlg.beginOfTxBox()->setChecked(true);
        }
        dlg.accept();
        EXPECT_TRUE(dlg.imageChanged());

        // Time-out, squelch, flags, VOX gain and delay, PF1, PF2, and the codes.
        const std::vector<std::pair<std::size_t, int>> stored =
            c.smaller ? std::vector<std::pair<std::size_t, int>>{{0x7D4, 3}, {0x7D3, 7}, {0x7D2, 0x26}, {0x7D5, 4},
                                                                 {0x7D6, 5}, {0x7D0, 2}, {0x7D1, 4}, {0x7B0, 0xFF},
                                                                 {0x7C0, 0xFF}}
                      : std::vector<std::pair<std::size_t, int>>{{0x814, 3}, {0x813, 7}, {0x812, 0x12}, {0x810, 0xA0},
                                                                 {0x815, 4}, {0x816, 5}, {0x81A, 2}, {0x81B, 4},
                                                                 {0x820, '1'},  // 9876 keeps within 0000-1999
                                                                 {0x823, '6'}, {0x830, 'A'}, {0x833, 'C'}, {0x834, 0xFF}};
        for (const auto& [offset, value] : stored)
            EXPECT_EQ(image.at(offset), value) << std::hex << offset;

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
