// The figures that are easiest to get wrong, one row per deliverable.

#include "editions/edition.h"

#include <gtest/gtest.h>

using namespace tolvan;

// The clone figures are checked with the link; here the layout of the records.
TEST(EditionTable, ImageSizesAndRecordLayout)
{
    const struct {
        const char* id;
        std::size_t imageSize;
        int rows;
        std::size_t channel1;  // offset of channel 1's record
    } rows[] = {
        {"cps-twotone", 4096, 128, 0x000}, {"cps-ccir", 3168, 128, 0x000}, {"cps-brand", 3168, 128, 0x000},
        {"cps-cn2", 3168, 128, 0x000},     {"cps-fleet", 2048, 118, 0x010}, {"cps-cn10", 2048, 118, 0x010},
        {"cps-keys", 1024, 16, 0x010},     {"cps-keys-cn", 1024, 16, 0x010}, {"cps16", 1024, 16, 0x010},
        {"cps16-cn", 1024, 16, 0x010},
    };
    ASSERT_EQ(allEditions().size(), std::size(rows));
    for (const auto& r : rows) {
        const Edition* e = findEdition(r.id);
        ASSERT_NE(e, nullptr) << r.id;
        EXPECT_EQ(e->imageSize, r.imageSize) << r.id;
        EXPECT_EQ(e->channelCount, r.rows) << r.id;
        EXPECT_EQ(e->recordOffset(1), r.channel1) << r.id;
        EXPECT_EQ(e->recordOffset(r.rows), r.channel1 + 16 * static_cast<std::size_t>(r.rows - 1)) << r.id;
    }
    EXPECT_EQ(findEdition("cps-nothing"), nullptr);
}

TEST(EditionTable, EveryLanguageOfEveryEditionIsComplete)
{
    for (const Edition* e : allEditions()) {
        for (Language lang : {Language::English, Language::Chinese}) {
            if (e->uiLanguage(lang) != lang)
                continue;
            const EditionTexts& t = e->texts(lang);
            EXPECT_EQ(t.headers.size(), e->columns.size()) << e->id;
            EXPECT_EQ(t.signalling.size(), e->signallingValues.size()) << e->id;
            EXPECT_FALSE(t.busy.items.empty()) << e->id;
            for (const std::string* text : {&t.link.portOpenFail, &t.link.detecting, &t.link.waiting,
                                            &t.link.commError, &t.link.writeNoAck, &t.link.shortReply,
                                            &t.link.readNoAck, &t.link.readTitle, &t.link.writeTitle,
                                            &t.entry.outOfRange, &t.entry.offStepOnLeave, &t.entry.pleaseInputNumber})
                EXPECT_FALSE(text->empty()) << e->id;
            if (e->link.typeCheckOffset) {
                EXPECT_FALSE(t.link.typeMismatch.empty()) << e->id;
            }
            if (e->link.passwordCheck) {
                EXPECT_FALSE(t.link.passwordIncorrect.empty()) << e->id;
            }
            EXPECT_EQ(t.entry.outOfBand.empty(), e->bands.empty()) << e->id;
        }
    }
}

TEST(EditionTable, LanguagesAndStepsDifferWhereTheRadiosDo)
{
    struct Row {
        const char* id;
        LanguageChoice languages;
        bool twoPointFive;
        bool bandCheck;
        int testModeBase;  // 0: from the band list
    };
    const Row rows[] = {
        {"cps-twotone", LanguageChoice::AtStartUp, true, false, 0},
        {"cps-ccir", LanguageChoice::AtStartUp, true, false, 0},
        {"cps-brand", LanguageChoice::EnglishOnly, true, false, 0},
        {"cps-fleet", LanguageChoice::EnglishOnly, false, false, 0},
        {"cps-cn2", LanguageChoice::ChineseOnly, false, true, 0},
        {"cps-cn10", LanguageChoice::ChineseOnly, false, false, 0},
        {"cps-keys", LanguageChoice::EnglishOnly, false, false, 450},
        {"cps-keys-cn", LanguageChoice::ChineseOnly, false, false, 450},
        {"cps16", LanguageChoice::EnglishOnly, false, false, 450},
        {"cps16-cn", LanguageChoice::ChineseOnly, false, false, 0},
    };
    for (const Row& r : rows) {
        const Edition& e = *findEdition(r.id);
        EXPECT_EQ(e.languages, r.languages) << r.id;
        const auto& steps = e.frequencyRule.steps;
        EXPECT_EQ(std::find(steps.begin(), steps.end(), 250u) != steps.end(), r.twoPointFive) << r.id;
        EXPECT_EQ(!e.bands.empty(), r.bandCheck) << r.id;
        EXPECT_EQ(e.testModeBaseMHz.value_or(0), r.testModeBase) << r.id;
    }
}

// The two Chinese family-A programs: every message and progress text of the
// link, the cell messages and the cell lists in Chinese, word for word.
TEST(EditionTable, TheChineseFamilyAProgramsSpeakChinese)
{
    for (const char* id : {"cps-cn2", "cps-cn10"}) {
        SCOPED_TRACE(id);
        const Edition& e = *findEdition(id);
        EXPECT_EQ(e.uiLanguage(Language::English), Language::Chinese);
        const EditionTexts& t = e.texts(Language::English);
        EXPECT_EQ((std::vector<std::string>{t.link.portOpenFail, t.link.detecting, t.link.waiting, t.link.sendOrderError,
                                            t.link.commError, t.link.writeNoAck, t.link.shortReply, t.link.readNoAck,
                                            t.link.readTitle, t.link.writeTitle, t.entry.outOfRange,
                                            t.entry.offStepOnLeave}),
                  (std::vector<std::string>{"无法打开串口，请检查该设备是否正常，或是否被占用", "正在检测通讯端口,请等待...",
                                            "正在等待对讲机响应....", " 发送数据错误",
                                            "通讯错误，请检查连接线是否接触良好或对讲机电源是否开启",
                                            " 接收出错中断，请重试", "未收到足够字节", "接收出错中断，请重试", "读频进度",
                                            "写频进度", "输入数据错误，请按正确的格式及大小重新输入",
                                            "输入数据错误，请按6.25K或 5k的倍数重新输入"}));
        EXPECT_EQ(t.entry.offStepOnEnter, t.entry.offStepOnLeave);
        EXPECT_EQ(t.signalling, (std::vector<std::string>{"无", "DTMF", "队列同步"}));
        EXPECT_EQ(t.scan.items, (std::vector<std::string>{"是", "否"}));
        EXPECT_EQ(t.bandwidth.items, (std::vector<std::string>{"宽", "窄"}));
        EXPECT_EQ(t.pttId.items, (std::vector<std::string>{"关", "开"}));
        EXPECT_EQ(t.busy.items, (std::vector<std::string>{"关闭", "载波", "QT/DQT"}));
        const std::vector<std::string> headers = {"频道", "接收频率", "发射频率", "接收信令", "发射信令", " 宽/窄",
                                                  "扫描添加", "发射功率", " 可选信令", "PTTID", "繁忙锁定", "名称"};
        EXPECT_EQ(t.headers, std::vector<std::string>(headers.begin(), headers.begin() + e.columns.size()));
    }
    EXPECT_EQ(findEdition("cps-cn2")->texts(Language::Chinese).entry.outOfBand, "超出频率范围!");
    EXPECT_EQ(findEdition("cps-cn2")->texts(Language::Chinese).entry.outOfBandCaption, "温馨提示");
}

TEST(EditionTable, MainWindowSizeAndItsFitOnSmallScreens)
{
    for (const Edition* e : allEditions()) {
        const WindowSize want = e->id == "cps-keys-cn" ? WindowSize{800, 1100} : WindowSize{1024, 768};
        EXPECT_EQ(e->windowSize, want) << e->id;
        EXPECT_EQ(e->testModeLanguage.has_value(), e->id == "cps-keys-cn") << e->id;
    }
    struct Case {
        WindowSize size;
        int availableWidth, availableHeight;
        WindowSize fitted;
    };
    const Case cases[] = {
        {{800, 1100}, 1920, 1200, {800, 1100}},  // fits: kept
        {{800, 1100}, 1366, 728, {529, 728}},    // too high: the height decides
        {{800, 1100}, 700, 2000, {700, 962}},    // too narrow: the width decides
        {{800, 1100}, 400, 550, {400, 550}},
        {{1024, 768}, 1024, 768, {1024, 768}},
        {{1024, 768}, 800, 600, {800, 600}},
        {{1024, 768}, 0, 0, {1024, 768}},        // no screen figures: kept
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.size.fittedTo(c.availableWidth, c.availableHeight), c.fitted)
            << c.availableWidth << "x" << c.availableHeight;
}
