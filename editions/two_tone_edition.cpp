// The full family-A radio with two-tone signalling (cps-twotone).

#include "editions/edition_parts.h"

namespace tolvan::edition_parts {

Edition twoTone()
{
    Edition e;
    e.id = "cps-twotone";
    e.radio = "full family-A radio with two-tone signalling";
    e.family = Family::TwoTone;
    e.languages = LanguageChoice::AtStartUp;
    e.imageSize = 4096;
    e.channelCount = 128;
    e.recordBase = 0;
    e.nameBase = 0x850;
    e.columns = kTwoToneColumns;
    e.signallingValues = {0x1, 0x2, 0x4, 0x8};
    e.newChannel = familyANewChannel(1);
    e.gridEnterLeavesAt = Column::Scan;
    e.frequencyRule = kWideSteps;
    e.link = {.readBlocks = 508, .writeBlocks = 508, .progressMax = 507, .readStepBelow = 507,
              .writeStepBelow = 507, .readFinal = 507, .writeFinal = 507, .readAckPauseMs = 15,
              .readPumpPasses = 19, .readAfterPassesMs = 5, .writePumpPasses = 21, .startAckFailPasses = 601,
              .typeCheckOffset = 0x81B};
    e.createsIniFile = true;
    e.hasTwoTone = true;
    e.menus = twoToneMenus();
    e.chineseWindow.messageCaption = kChineseMessageCaption;
    // 0x81B, which the radio-type check compares, is not among the defaults: it stays 0xFF.
    e.newDocument = {
        {0x80A, {0xF0, 0x38}},
        {0x810, {0xC0, 0xA8, 0xC4, 0x05, 0x00, 0x00, 0x03, 0x04, 0x00, 0x09, 0x01}},
        {0x81D, {0x00}},
    };
    const std::vector<BytePatch> twoTone = {
        {0xEC4, {0x64}},
        {0xEC3, {0x00}},
        {0xEC6, {0xC8}},
        {0xEC5, {0x00}},
        {0xEC0, {0x05, 0x06, 0x07}},
        {0xE00, std::vector<std::uint8_t>(0x80, 0x00)},
        {0xE80, {0x10, 0x10, 0x10, 0x10, 0x08, 0x08, 0x08, 0x08}, 8, 8},
        {0x00C, {0x00}, 128, 16},
        {0x00E, {0x00, 0x00}, 128, 16},
    };
    e.newDocument.insert(e.newDocument.end(), twoTone.begin(), twoTone.end());
    e.optionalFeatures = OptionalFeaturesLayout{};
    e.english = twoToneEnglishTexts();
    e.chinese = twoToneChineseTexts();
    e.formLists = familyAForm(kSettingsAt810);
    e.formStamps = kStampsAt810;
    e.report = twoToneReportPlan();
    return e;
}

} // namespace tolvan::edition_parts
