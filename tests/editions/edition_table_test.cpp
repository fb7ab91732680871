// The figures that are easiest to get wrong, one row per deliverable.

#include "editions/edition.h"

#include <gtest/gtest.h>

using namespace tolvan;

TEST(EditionTable, LinkFiguresAndLayout)
{
    struct Row {
        const char* id;
        std::size_t imageSize;
        int rows;
        std::size_t channel1;  // offset of channel 1's record
        int readBlocks, writeBlocks;
        int progressMax, readStepBelow, writeStepBelow, readFinal, writeFinal;
        int ackPause, readPasses, afterPasses, writePasses, startAckFail;
        int typeCheck;  // -1: none
        bool password;
    };
    const Row rows[] = {
        {"cps-twotone", 4096, 128, 0x000, 508, 508, 507, 507, 507, 507, 507, 15, 19, 5, 21, 601, 0x81B, false},
        {"cps-ccir", 3168, 128, 0x000, 394, 394, 394, 394, 394, 394, 394, 15, 19, 0, 21, 601, -1, false},
        {"cps-brand", 3168, 128, 0x000, 394, 394, 394, 394, 394, 394, 394, 15, 19, 0, 21, 601, -1, false},
        {"cps-cn2", 3168, 128, 0x000, 394, 394, 394, 394, 394, 393, 393, 15, 199, 0, 201, 601, -1, false},
        {"cps-fleet", 2048, 118, 0x010, 256, 252, 255, 251, 250, 255, 252, 0, 9, 0, 201, 601, 0x7DB, false},
        {"cps-cn10", 2048, 118, 0x010, 256, 252, 255, 251, 250, 255, 252, 15, 199, 5, 201, 601, -1, false},
        {"cps-keys", 1024, 16, 0x010, 128, 123, 123, 123, 122, 123, 123, 15, 199, 20, 201, 601, -1, true},
        {"cps-keys-cn", 1024, 16, 0x010, 128, 123, 123, 123, 122, 123, 123, 15, 199, 20, 201, 601, -1, true},
        {"cps16", 1024, 16, 0x010, 128, 123, 123, 123, 122, 123, 123, 0, 9, 0, 201, 11, -1, false},
        {"cps16-cn", 1024, 16, 0x010, 128, 123, 123, 123, 122, 123, 123, 0, 9, 0, 11, 11, -1, false},
    };
    ASSERT_EQ(allEditions().size(), std::size(rows));
    for (const Row& r : rows) {
        const Edition* e = findEdition(r.id);
        ASSERT_NE(e, nullptr) << r.id;
        const LinkFigures& l = e->link;
        EXPECT_EQ(e->imageSize, r.imageSize) << r.id;
        EXPECT_EQ(e->channelCount, r.rows) << r.id;
        EXPECT_EQ(e->recordOffset(1), r.channel1) << r.id;
        EXPECT_EQ(e->recordOffset(r.rows) + 16, r.channel1 + 16 * static_cast<std::size_t>(r.rows)) << r.id;
        EXPECT_EQ(l.readBlocks, r.readBlocks) << r.id;
        EXPECT_EQ(l.writeBlocks, r.writeBlocks) << r.id;
        EXPECT_LE(static_cast<std::size_t>(l.readBlocks) * 8, e->imageSize) << r.id;
        EXPECT_EQ(l.progressMax, r.progressMax) << r.id;
        EXPECT_EQ(l.readStepBelow, r.readStepBelow) << r.id;
        EXPECT_EQ(l.writeStepBelow, r.writeStepBelow) << r.id;
        EXPECT_EQ(l.readFinal, r.readFinal) << r.id;
        EXPECT_EQ(l.writeFinal, r.writeFinal) << r.id;
        EXPECT_EQ(l.readAckPauseMs, r.ackPause) << r.id;
        EXPECT_EQ(l.readPumpPasses, r.readPasses) << r.id;
        EXPECT_EQ(l.readAfterPassesMs, r.afterPasses) << r.id;
        EXPECT_EQ(l.writePumpPasses, r.writePasses) << r.id;
        EXPECT_EQ(l.startAckFailPasses, r.startAckFail) << r.id;
        EXPECT_EQ(l.typeMismatchPasses, 351) << r.id;
        EXPECT_EQ(l.typeCheckOffset ? static_cast<int>(*l.typeCheckOffset) : -1, r.typeCheck) << r.id;
        EXPECT_EQ(l.passwordCheck, r.password) << r.id;
    }
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
    EXPECT_EQ(findEdition("cps-nothing"), nullptr);
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
        EXPECT_EQ(t.link.portOpenFail, "无法打开串口，请检查该设备是否正常，或是否被占用");
        EXPECT_EQ(t.link.detecting, "正在检测通讯端口,请等待...");
        EXPECT_EQ(t.link.waiting, "正在等待对讲机响应....");
        EXPECT_EQ(t.link.sendOrderError, " 发送数据错误");
        EXPECT_EQ(t.link.commError, "通讯错误，请检查连接线是否接触良好或对讲机电源是否开启");
        EXPECT_EQ(t.link.writeNoAck, " 接收出错中断，请重试");
        EXPECT_EQ(t.link.shortReply, "未收到足够字节");
        EXPECT_EQ(t.link.readNoAck, "接收出错中断，请重试");
        EXPECT_EQ(t.link.readTitle, "读频进度");
        EXPECT_EQ(t.link.writeTitle, "写频进度");
        EXPECT_EQ(t.entry.outOfRange, "输入数据错误，请按正确的格式及大小重新输入");
        EXPECT_EQ(t.entry.offStepOnLeave, "输入数据错误，请按6.25K或 5k的倍数重新输入");
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
