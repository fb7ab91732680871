// Pictures of the settings dialogs for docs/: written only when
// TOLVAN_SCREENSHOT_DIR names a directory, so ordinary test runs stay quiet.
#include "window_fixture.h"

namespace tolvan {
namespace {

class NoPorts : public PortOpener {
public:
    PortOpenResult open(const std::string&, const TimeoutProfile&) override { return {nullptr, "none"}; }
};

void save(QWidget& w, const QString& name)
{
    w.show();
    QApplication::processEvents();
    const QString dir = qEnvironmentVariable("TOLVAN_SCREENSHOT_DIR");
    ASSERT_TRUE(w.grab().save(QDir(dir).filePath(name)));
}

TEST(DialogScreenshots, OfAllThreeDialogsInBothLanguages)
{
    if (qEnvironmentVariableIsEmpty("TOLVAN_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set TOLVAN_SCREENSHOT_DIR to write the pictures";
    const Edition& edition = *findEdition("cps-twotone");
    for (Language language : {Language::English, Language::Chinese}) {
        const QString suffix = language == Language::English ? "_en.png" : "_zh.png";
        MemoryImage image = newDocumentImage(edition);
        image.write(0xE00, std::array<std::uint8_t, 8>{0x27, 0x10, 0x3A, 0x98, 0x0B, 0x45, 0x79, 0x54});
        {
            COptionalFeaturesDlg dlg(image, *edition.optionalFeatures, edition, language);
            save(dlg, "optional_features" + suffix);
        }
        {
            CTwoToneDlg dlg(image, edition, language);
            save(dlg, "two_tone" + suffix);
        }
        NoPorts ports;
        CDebugModeDlg dlg(edition, language, "COM1", "136 - 174MHz", ports);
        dlg.tree()->setCurrentItem(dlg.node(TestModeState::kHighFrequency));
        save(dlg, "test_mode" + suffix);
        dlg.node(TestModeState::kDebugItem)->setExpanded(true);
        dlg.tree()->setCurrentItem(dlg.node(TestModeState::kTxPower));
        save(dlg, "test_mode_item" + suffix);
    }
}

TEST(DialogScreenshots, OfTheKeyRadiosDialogsInBothBuilds)
{
    if (qEnvironmentVariableIsEmpty("TOLVAN_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set TOLVAN_SCREENSHOT_DIR to write the pictures";
    for (const char* id : {"cps-keys", "cps-keys-cn"}) {
        const Edition& edition = *findEdition(id);
        const QString suffix = edition.uiLanguage(Language::English) == Language::English ? "_en.png" : "_zh.png";
        MemoryImage image = newDocumentImage(edition);
        {
            CKeyAssignmentDlg dlg(image, edition, Language::English);
            save(dlg, "key_assignment" + suffix);
        }
        CSettingsListsDlg dlg(image, edition, Language::English);
        save(dlg, "key_optional_features" + suffix);
    }
}

} // namespace
} // namespace tolvan
