// The item lists of every dialog, in every edition that has it and in both
// languages, compared with the golden file.

#include "dialogs/dialog_texts.h"
#include "dialogs/settings_lists.h"
#include "dialogs/test_mode_state.h"
#include "golden.h"

#include <gtest/gtest.h>

namespace tolvan {
namespace {

TEST(DialogLists, EveryDialogsListsMatchTheGoldenFile)
{
    std::string out;
    auto list = [&](const std::string& name, const auto& items) {
        out += "  " + name + ":";
        for (const std::string& item : items)
            out += " [" + item + "]";
        out += "\n";
    };
    for (Language language : {Language::English, Language::Chinese}) {
        out += language == Language::English ? "== en\n" : "== zh\n";
        const OptionalFeaturesTexts o = optionalFeaturesTexts(language);
        out += "optional features: " + o.caption + "\n";
        list("vox", o.voxItems);
        list("language", o.languageItems);
        list("signal mode", o.signalModeItems);
        list("keys", o.keyItems);
        const KeyAssignmentTexts k = keyAssignmentTexts(language);
        out += "key assignment: " + k.caption + "\n";
        list("buttons", k.buttons);
        list("functions", k.functions);
        const TwoToneTexts t = twoToneTexts(language);
        out += "two tone: " + t.caption + "\n";
        list("grid", t.gridHeaders);
        list("decoder tones", t.decoderTones);
        list("decoder times", t.decoderTimes);
        for (const Edition* e : allEditions()) {
            const Language shown = e->uiLanguage(language);
            if (e->signallingFeatures) {
                const SignallingFeaturesTexts s = signallingFeaturesTexts(shown, *e->signallingFeatures);
                out += e->id + " signalling features: " + s.caption + " / " + s.timeOut + " / " + s.pttId + "\n";
                list("language", s.languageItems);
                list("vox gain", s.voxGainItems);
                list("vox delay", s.voxDelayItems);
                list("keys", s.keyItems);
            }
            if (e->keyAssignment)
                out += e->id + " key assignment\n";
            if (e->settingsLists) {
                const SettingsLists lists(*e->settingsLists);
                out += e->id + " settings lists\n";
                for (int i = 0; i < lists.count(); ++i)
                    list(lists.label(i, shown), lists.items(i, shown));
            }
        }
    }
    out += "test mode tones\n";
    list("QT", TestModeState::toneItems(0));
    list("DQT", TestModeState::toneItems(1));
    expectGolden("dialogs", "dialog_lists", out);
}

} // namespace
} // namespace tolvan
