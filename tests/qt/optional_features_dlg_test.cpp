#include "window_fixture.h"

namespace tolvan {
namespace {

const Edition& twoTone() { return *findEdition("cps-twotone"); }

TEST(COptionalFeaturesDlg, OkWritesAndReportsTheChangeCancelDoesNot)
{
    const MemoryImage fresh = newDocumentImage(twoTone());
    {
        MemoryImage image = fresh;
        COptionalFeaturesDlg dlg(image, *twoTone().optionalFeatures, twoTone(), Language::English);
        dlg.reject();
        EXPECT_EQ(image, fresh);
        EXPECT_FALSE(dlg.imageChanged());
    }
    MemoryImage image = fresh;
    COptionalFeaturesDlg dlg(image, *twoTone().optionalFeatures, twoTone(), Language::English);
    EXPECT_EQ(dlg.windowTitle(), "Optional Features");
    EXPECT_TRUE(dlg.pf1Box()->isHidden()) << "an edition without the key lists hides them";
    dlg.timeOutBox()->stepBy(41);
    EXPECT_EQ(dlg.timeOutBox()->text(), "600") << "the spin stops at 40 steps";
    dlg.languageBox()->setCurrentIndex(1);
    QTest::keyClicks(dlg.groupIdBox(), "2345");
    dlg.accept();
    EXPECT_TRUE(dlg.imageChanged());
    EXPECT_EQ(image.at(0x814), 40);
    EXPECT_EQ(image.at(0x812), 0x46);
    EXPECT_EQ(image.at(0x820), 0x31);
    EXPECT_EQ(image.at(0x823), 0x35);
    EXPECT_EQ(image.at(0x824), 0xFF);
}

TEST(COptionalFeaturesDlg, TheIdBoxTakesOnlyDigitsLettersAndBackspace)
{
    MemoryImage image = newDocumentImage(twoTone());
    COptionalFeaturesDlg dlg(image, *twoTone().optionalFeatures, twoTone(), Language::English);
    QLineEdit* id = dlg.idBox();
    QTest::keyClicks(id, "ab1");
    EXPECT_EQ(id->text(), "AB1") << "the box shows upper case";
    QTest::keyClick(id, Qt::Key_Left);
    QTest::keyClick(id, Qt::Key_Home);
    QTest::keyClicks(id, "z");
    EXPECT_EQ(id->text(), "AB1Z") << "arrow keys do not move the cursor";
    QTest::keyClick(id, Qt::Key_Delete);
    QTest::keyClicks(id, "-.");
    EXPECT_EQ(id->text(), "AB1Z");
    QTest::keyClick(id, Qt::Key_Backspace);
    EXPECT_EQ(id->text(), "AB1");

    QTest::keyClicks(dlg.checkIdBox(), "1*2");
    EXPECT_EQ(dlg.checkIdBox()->text(), "1*2") << "the other boxes take every key";
    dlg.accept();
    EXPECT_EQ(image.at(0x830), 0x41);
    EXPECT_EQ(image.at(0x839), 0x30);
}

} // namespace
} // namespace tolvan
