// The key-assignment radio's two settings dialogs, in both builds.
#include "window_fixture.h"

namespace tolvan {
namespace {

struct Build {
    const char* id;
    const char* caption;
    const char* groups[2];
    const char* shown[4];  // side button 2 short/long, side button 3 short/long, on a new document
    const char* talkAround;
};

const Build kBuilds[] = {
    {"cps-keys", "Key Assignment", {"Side Button 2", "Side Button 3"},
     {"Monitor", "Scan ON/OFF", "Vox ON/OFF", "Scrambler ON/OFF"}, "Talk Around"},
    {"cps-keys-cn", "侧键功能", {"侧键功能2： ", "侧键功能3："}, {"监测", "扫描  开/关", "发射限时 开/关", "扰频器  开/关"},
     "循环对话"},
};

QString u(const char* text) { return QString::fromUtf8(text); }

TEST(CKeyAssignmentDlg, ShowsTheNibblesAndStoresTheChoice)
{
    for (const Build& b : kBuilds) {
        SCOPED_TRACE(b.id);
        const Edition& e = *findEdition(b.id);
        MemoryImage image = newDocumentImage(e);
        const MemoryImage fresh = image;
        CKeyAssignmentDlg dlg(image, e, Language::English);
        EXPECT_EQ(dlg.windowTitle(), u(b.caption));
        QStringList groups;
        for (const QGroupBox* g : dlg.findChildren<QGroupBox*>())
            groups << g->title();
        EXPECT_EQ(groups, (QStringList{u(b.groups[0]), u(b.groups[1])}));
        const QComboBox* boxes[] = {dlg.shortPressBox(0), dlg.longPressBox(0), dlg.shortPressBox(1), dlg.longPressBox(1)};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(boxes[i]->count(), 9);
            EXPECT_EQ(boxes[i]->currentText(), u(b.shown[i])) << i;
        }
        dlg.longPressBox(1)->setCurrentIndex(5);
        EXPECT_EQ(dlg.longPressBox(1)->currentText(), u(b.talkAround));
        dlg.accept();
        EXPECT_TRUE(dlg.imageChanged());
        EXPECT_EQ(image.at(0x3C6), 0x75);
        image.set(0x3C6, 0x78);
        EXPECT_EQ(image, fresh);
    }
}

enum { kTimeOut, kPower, kSquelch, kBeep, kVoice, kScrambler, kVox, kBatterySave };

TEST(CSettingsListsDlg, TheEightListsOfBothBuilds)
{
    struct Case {
        const char* id;
        const char* caption;
        const char* voiceLabel;  // the build's own words for the lists
        const char* shown[8];    // a new document
    };
    const Case cases[] = {
        {"cps-keys", "Optional Features", "Voice Annunciation",
         {"Off", "9", "5", "Disable", "English", "Off", "Off", "Enable"}},
        {"cps-keys-cn", "可选功能", "报号选择",
         {"off", "9", "5", "关", "英文", "关", "无", "开"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const Edition& e = *findEdition(c.id);
        MemoryImage image = newDocumentImage(e);
        const MemoryImage fresh = image;
        {
            CSettingsListsDlg dlg(image, e, Language::English);
            dlg.listBox(kSquelch)->setCurrentIndex(1);
            dlg.reject();
            EXPECT_EQ(image, fresh) << "Cancel changes nothing";
        }
        CSettingsListsDlg dlg(image, e, Language::English);
        EXPECT_EQ(dlg.windowTitle(), u(c.caption));
        QStringList labels;
        for (const QLabel* l : dlg.findChildren<QLabel*>())
            labels << l->text();
        EXPECT_TRUE(labels.contains(u(c.voiceLabel)));
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(dlg.listBox(i)->currentText(), u(c.shown[i])) << i;
        EXPECT_EQ(dlg.listBox(kTimeOut)->count(), 11);
        EXPECT_EQ(dlg.listBox(kTimeOut)->itemText(10), "300s");
        // Only the Chinese build's first four lists take typing (their values snap back).
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(dlg.listBox(i)->isEditable(), c.id == std::string("cps-keys-cn") && i < 4) << i;
        dlg.listBox(kVoice)->setCurrentIndex(2);
        dlg.accept();
        EXPECT_TRUE(dlg.imageChanged());
        MemoryImage want = fresh;
        want.set(0x3C4, 27);  // rank 9 shown for 0xFF is stored as 27
        want.set(0x3C0, 0x3F);  // Chinese voice: bits 3 and 4
        EXPECT_EQ(image, want);
    }
}

} // namespace
} // namespace tolvan
