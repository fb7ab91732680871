#include "dialogs/qt/optional_features_dlg.h"
#include "dialogs/qt/text_spin_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace tolvan {
namespace {

const Edition& twoTone() { return *findEdition("cps-twotone"); }

TEST(COptionalFeaturesDlg, OpensANewDocumentAsTheRadioDefaults)
{
    MemoryImage image = newDocumentImage(twoTone());
    COptionalFeaturesDlg dlg(image, *twoTone().optionalFeatures, twoTone(), Language::English);
    EXPECT_EQ(dlg.windowTitle(), "Optional Features");
    EXPECT_EQ(dlg.squelchBox()->currentText(), "5");
    EXPECT_EQ(dlg.timeOutBox()->text(), "OFF");
    EXPECT_EQ(dlg.priorityBox()->currentText(), "1");
    EXPECT_EQ(dlg.priorityBox()->count(), 128);
    EXPECT_EQ(dlg.languageBox()->currentIndex(), -1);
    EXPECT_TRUE(dlg.beepBox()->isChecked());
    ASSERT_NE(dlg.pf1Box(), nullptr);
    EXPECT_TRUE(dlg.pf1Box()->isHidden());
    EXPECT_EQ(dlg.pf1Box()->count(), 6);
}

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

TEST(COptionalFeaturesDlg, ChineseWindowSpeaksChinese)
{
    MemoryImage image = newDocumentImage(twoTone());
    COptionalFeaturesDlg dlg(image, *twoTone().optionalFeatures, twoTone(), Language::Chinese);
    EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("可选功能"));
    EXPECT_EQ(dlg.languageBox()->itemText(1), QString::fromUtf8("英文"));
}

} // namespace
} // namespace tolvan
