// The settings dialogs of every program that has them: what the user sets in
// the widgets reaches the image on OK (the bytes that changed are in the
// snapshot), and the dialog opened again shows the choice. On Cancel the
// window drops the dialog's copy of the image (the command walk holds that).
#include "window_fixture.h"

namespace tolvan {
namespace {

struct Kind {
    const char* name;
    bool (*has)(const Edition&);
    std::unique_ptr<QDialog> (*make)(MemoryImage&, const Edition&);
    void (*choose)(QDialog&);
};

const Kind kKinds[] = {
    {"Optional Features", [](const Edition& e) { return e.optionalFeatures.has_value(); },
     [](MemoryImage& image, const Edition& e) -> std::unique_ptr<QDialog> {
         return std::make_unique<COptionalFeaturesDlg>(image, *e.optionalFeatures, e, Language::English);
     },
     [](QDialog& qd) {
         auto& d = dynamic_cast<COptionalFeaturesDlg&>(qd);
         d.timeOutBox()->stepBy(41);  // the spin stops at its last step: 600
         d.squelchBox()->setCurrentIndex(7);
         d.languageBox()->setCurrentIndex(1);
         QTest::keyClicks(d.groupIdBox(), "2345");  // kept within 0000-1999: 1345
         QTest::keyClicks(d.idBox(), "ab-1.");  // digits and letters only, shown in upper case: AB1
         QTest::keyClicks(d.checkIdBox(), "1*2");  // the box takes every key; the image keeps digits
     }},
    {"Signalling Features", [](const Edition& e) { return e.signallingFeatures.has_value(); },
     [](MemoryImage& image, const Edition& e) -> std::unique_ptr<QDialog> {
         return std::make_unique<CSignallingFeaturesDlg>(image, *e.signallingFeatures, e.uiLanguage(Language::English));
     },
     [](QDialog& qd) {
         auto& d = dynamic_cast<CSignallingFeaturesDlg&>(qd);
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
             QTest::keyClicks(d.pttIdBox(), "9a87x65");  // digits only, four at most, within 0000-1999: 1876
             QTest::keyClicks(d.aniCodeBox(), "ab-1*c");
             d.beginOfTxBox()->setChecked(true);
         }
     }},
    {"Key Assignment", [](const Edition& e) { return e.keyAssignment.has_value(); },
     [](MemoryImage& image, const Edition& e) -> std::unique_ptr<QDialog> {
         return std::make_unique<CKeyAssignmentDlg>(image, e, Language::English);
     },
     [](QDialog& d) { dynamic_cast<CKeyAssignmentDlg&>(d).longPressBox(1)->setCurrentIndex(5); }},
    {"Settings Lists", [](const Edition& e) { return e.settingsLists.has_value(); },
     [](MemoryImage& image, const Edition& e) -> std::unique_ptr<QDialog> {
         return std::make_unique<CSettingsListsDlg>(image, e, Language::English);
     },
     // rank 9 shown for 0xFF is stored as 27; the voice list takes bits 3 and 4 of 0x3C0
     [](QDialog& d) { dynamic_cast<CSettingsListsDlg&>(d).listBox(4)->setCurrentIndex(2); }},
};

TEST(SettingsDialogs, TheWidgetsAreBoundToTheImageInEveryProgram)
{
    std::string out;
    for (const Kind& k : kKinds) {
        for (const Edition* e : allEditions()) {
            if (!k.has(*e))
                continue;
            SCOPED_TRACE(std::string(k.name) + " in " + e->id);
            MemoryImage image = newDocumentImage(*e);
            const MemoryImage fresh = image;
            auto d = k.make(image, *e);
            k.choose(*d);
            d->accept();
            out += "== " + std::string(k.name) + " in " + e->id + "\n" + imageChanges(fresh, image) + "-- opened again:\n";
            out += shownState(*k.make(image, *e));
        }
    }
    expectGolden("qt", "settings_dialogs", out);
}

// A new document's time-out is off. Each program's settings dialog, opened
// from its menu, or the sixteen-channel form says so in the program's words:
// the Chinese programs as their VOX lists do.
TEST_F(WindowTest, TheTimeOutOffIsSaidInTheProgramsLanguage)
{
    for (const ProgramRun& run : everyProgramAndLanguage()) {
        const Edition& e = *run.edition;
        SCOPED_TRACE(e.id + (run.chineseSystem ? " (Chinese)" : ""));
        auto w = start(e.id.c_str(), nullptr, run.chineseSystem);
        QString shown;
        WindowCloser closer(false);
        closer.visit = [&](QWidget& dialog) {
            if (auto* d = qobject_cast<COptionalFeaturesDlg*>(&dialog))
                shown = d->timeOutBox()->text();
            else if (auto* d = qobject_cast<CSignallingFeaturesDlg*>(&dialog))
                shown = d->timeOutBox()->text();
            else if (auto* d = qobject_cast<CSettingsListsDlg*>(&dialog))
                shown = d->listBox(0)->currentText();
            return false;
        };
        if (e.settingsLists)
            w->frame().action(cmd::EditOptionalFeatures)->trigger();
        else if (e.optionalFeatures || e.signallingFeatures)
            w->frame().action(cmd::OptionalFeatures)->trigger();
        for (int i = 0; i < w->frame().view().form().count(); ++i)
            if (w->frame().view().form().list(i).label == "Time-out Timer")
                shown = w->frame().view().formList(i)->currentText();
        const bool listed = e.settingsLists || e.family == Family::SixteenChannel;
        EXPECT_EQ(shown.toStdString(), run.chinese() ? "关闭" : listed ? "Off" : "OFF");
    }
}

} // namespace
} // namespace tolvan
