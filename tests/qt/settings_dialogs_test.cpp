// The settings dialogs of every program that has them: what the user sets in
// the widgets reaches the image on OK (read back through the dialog's model),
// Cancel leaves the image alone, and the dialog opened again shows the choice.
#include "window_fixture.h"

namespace tolvan {
namespace {

struct Kind {
    const char* name;
    bool (*has)(const Edition&);
    std::unique_ptr<QDialog> (*make)(MemoryImage&, const Edition&);
    void (*choose)(QDialog&);
    // Expectations on the stored image against the fresh one, and on the dialog reopened over it.
    void (*check)(const Edition&, const MemoryImage& fresh, const MemoryImage& image, QDialog& reopened);
};

// What the window reads to mark the document changed.
bool reportsAChange(QDialog& d)
{
    if (auto* o = qobject_cast<COptionalFeaturesDlg*>(&d))
        return o->imageChanged();
    if (auto* s = qobject_cast<CSignallingFeaturesDlg*>(&d))
        return s->imageChanged();
    if (auto* k = qobject_cast<CKeyAssignmentDlg*>(&d))
        return k->imageChanged();
    return dynamic_cast<CSettingsListsDlg&>(d).imageChanged();
}

template <class D>
D& as(QDialog& d)
{
    return dynamic_cast<D&>(d);
}

const Kind kKinds[] = {
    {"Optional Features", [](const Edition& e) { return e.optionalFeatures.has_value(); },
     [](MemoryImage& image, const Edition& e) -> std::unique_ptr<QDialog> {
         return std::make_unique<COptionalFeaturesDlg>(image, *e.optionalFeatures, e, Language::English);
     },
     [](QDialog& qd) {
         auto& d = as<COptionalFeaturesDlg>(qd);
         d.timeOutBox()->stepBy(41);  // the spin stops at its last step
         d.squelchBox()->setCurrentIndex(7);
         d.languageBox()->setCurrentIndex(1);
         QTest::keyClicks(d.groupIdBox(), "2345");
         QTest::keyClicks(d.idBox(), "ab-1.");  // digits and letters only, shown in upper case
         QTest::keyClicks(d.checkIdBox(), "1*2");
     },
     [](const Edition& e, const MemoryImage& fresh, const MemoryImage& image, QDialog& again) {
         const OptionalFeatures model(*e.optionalFeatures);
         OptionalFeaturesValues want = model.read(fresh);
         want.timeOut = OptionalFeatures::kTimeOutSteps;
         want.squelch = 7;
         want.language = 1;
         want.groupId = "1345";  // kept within 0000-1999
         want.id = "AB1";
         want.checkId = "102";  // the box takes every key; the image keeps digits
         EXPECT_EQ(model.read(image), want);
         auto& d = as<COptionalFeaturesDlg>(again);
         EXPECT_EQ(d.timeOutBox()->text(), "600");
         EXPECT_EQ(d.squelchBox()->currentIndex(), 7);
         EXPECT_EQ(d.idBox()->text(), "AB1");
     }},
    {"Signalling Features", [](const Edition& e) { return e.signallingFeatures.has_value(); },
     [](MemoryImage& image, const Edition& e) -> std::unique_ptr<QDialog> {
         return std::make_unique<CSignallingFeaturesDlg>(image, *e.signallingFeatures, e.uiLanguage(Language::English));
     },
     [](QDialog& qd) {
         auto& d = as<CSignallingFeaturesDlg>(qd);
         d.timeOutBox()->stepBy(3);
         d.squelchBox()->setCurrentIndex(7);
         d.languageBox()->setCurrentIndex(1);
         d.beepBox()->setChecked(false);
         d.scramblerBox()->setChecked(true);
         d.batterySaveBox()->setChecked(false);
         d.voxGainBox()->setCurrentIndex(4);
         d.voxDelayBox()->setCurrentIndex(5);
         d.voxFunctionBox()->setChecked(true);
         d.voxInhibitBox()->setChecked(false);
         d.pf1Box()->setCurrentIndex(2);
         d.pf2Box()->setCurrentIndex(4);
         if (d.pttIdBox()) {  // the larger radio's programs only
             QTest::keyClicks(d.pttIdBox(), "9a87x65");
             QTest::keyClicks(d.aniCodeBox(), "ab-1*c");
             d.beginOfTxBox()->setChecked(true);
         }
     },
     [](const Edition& e, const MemoryImage& fresh, const MemoryImage& image, QDialog& again) {
         const SignallingFeatures model(*e.signallingFeatures);
         SignallingFeaturesValues want = model.read(fresh);
         want.timeOut = 3;
         want.squelch = 7;
         want.language = 1;
         want.beep = want.batterySave = want.voxInhibit = false;
         want.scrambler = want.voxFunction = true;
         want.voxGain = 4;
         want.voxDelay = 5;
         want.pf1 = 2;
         want.pf2 = 4;
         auto& d = as<CSignallingFeaturesDlg>(again);
         if (d.pttIdBox()) {
             want.pttId = "1876";  // digits only, four at most, kept within 0000-1999
             want.aniCode = "AB1C";
             want.beginOfTx = true;
             EXPECT_EQ(d.pttIdBox()->text(), "1876");
         }
         EXPECT_EQ(model.read(image), want);
         EXPECT_EQ(d.timeOutBox()->text(), "45");
         EXPECT_EQ(d.voxDelayBox()->currentText(), "3.0");
         EXPECT_EQ(d.pf2Box()->currentIndex(), 4);
     }},
    {"Key Assignment", [](const Edition& e) { return e.keyAssignment.has_value(); },
     [](MemoryImage& image, const Edition& e) -> std::unique_ptr<QDialog> {
         return std::make_unique<CKeyAssignmentDlg>(image, e, Language::English);
     },
     [](QDialog& d) { as<CKeyAssignmentDlg>(d).longPressBox(1)->setCurrentIndex(5); },
     [](const Edition& e, const MemoryImage& fresh, const MemoryImage& image, QDialog& again) {
         const KeyAssignment model(*e.keyAssignment);
         auto want = model.read(fresh);
         want.at(1).longPress = 5;
         EXPECT_EQ(model.read(image), want);
         EXPECT_EQ(image.at(0x3C6), 0x75);
         EXPECT_EQ(as<CKeyAssignmentDlg>(again).longPressBox(1)->currentIndex(), 5);
         EXPECT_EQ(as<CKeyAssignmentDlg>(again).shortPressBox(0)->currentIndex(), want.at(0).shortPress);
     }},
    {"Settings Lists", [](const Edition& e) { return e.settingsLists.has_value(); },
     [](MemoryImage& image, const Edition& e) -> std::unique_ptr<QDialog> {
         return std::make_unique<CSettingsListsDlg>(image, e, Language::English);
     },
     [](QDialog& d) { as<CSettingsListsDlg>(d).listBox(4)->setCurrentIndex(2); },
     [](const Edition& e, const MemoryImage& fresh, const MemoryImage& image, QDialog& again) {
         const SettingsLists model(*e.settingsLists);
         auto want = model.read(fresh);
         want.at(4) = 2;
         EXPECT_EQ(model.read(image), want);
         MemoryImage bytes = fresh;
         bytes.set(0x3C4, 27);  // rank 9 shown for 0xFF is stored as 27
         bytes.set(0x3C0, 0x3F);  // the voice list's bits 3 and 4
         EXPECT_EQ(image, bytes);
         EXPECT_EQ(as<CSettingsListsDlg>(again).listBox(4)->currentIndex(), 2);
     }},
};

TEST(SettingsDialogs, TheWidgetsAreBoundToTheImageInEveryProgram)
{
    for (const Kind& k : kKinds) {
        int programs = 0;
        for (const Edition* e : allEditions()) {
            if (!k.has(*e))
                continue;
            SCOPED_TRACE(std::string(k.name) + " in " + e->id);
            ++programs;
            MemoryImage image = newDocumentImage(*e);
            const MemoryImage fresh = image;
            {
                auto cancelled = k.make(image, *e);
                k.choose(*cancelled);
                cancelled->reject();
                EXPECT_EQ(image, fresh) << "Cancel changes nothing";
                EXPECT_FALSE(reportsAChange(*cancelled));
            }
            auto d = k.make(image, *e);
            k.choose(*d);
            d->accept();
            EXPECT_TRUE(reportsAChange(*d));
            k.check(*e, fresh, image, *k.make(image, *e));
        }
        EXPECT_GT(programs, 0) << k.name;
    }
}

} // namespace
} // namespace tolvan
