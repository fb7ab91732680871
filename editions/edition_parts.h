#pragma once

// What the editions of several families share: the column sets, the frequency
// rules, the family-A form and settings, the small radios' lists, and the ten
// editions' makers. Only the files that describe editions include it.

#include "editions/edition.h"
#include "editions/edition_texts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvan::edition_parts {

using C = Column;

inline const std::vector<Column> kTwoToneColumns = {C::Channel, C::Receive, C::Transmit, C::RxTone,  C::TxTone,
                                             C::Bandwidth, C::Scan,  C::Power,    C::Signal,  C::PttId,
                                             C::Busy,    C::Name,    C::More};
inline const std::vector<Column> kNamedColumns(kTwoToneColumns.begin(), kTwoToneColumns.end() - 1);
inline const std::vector<Column> kUnnamedColumns(kTwoToneColumns.begin(), kTwoToneColumns.end() - 2);
inline const std::vector<Column> kKeyColumns = {C::Channel, C::Receive, C::Transmit, C::RxTone, C::TxTone,
                                         C::Busy,    C::Power,   C::Bandwidth, C::Scan};
inline const std::vector<Column> kSixteenColumns = {C::Channel, C::Receive, C::Transmit, C::RxTone, C::TxTone, C::Busy};

constexpr TenHz MHz(unsigned m) { return m * kTenHzPerMHz; }

inline const FrequencyRule kWideSteps{MHz(67), MHz(521), {625, 500, 250}, false};
inline const FrequencyRule kTwoSteps{MHz(67), MHz(521), {625, 500}, false};
inline const FrequencyRule kSmallRadio{MHz(60), MHz(600), {625, 500}, true};

// The "Field" list's ten bands, for the edition that checks them.
inline const std::vector<Band> kFieldBands = {{MHz(67), MHz(72)},   {MHz(136), MHz(174)}, {MHz(240), MHz(260)},
                                       {MHz(350), MHz(390)}, {MHz(400), MHz(430)}, {MHz(430), MHz(450)},
                                       {MHz(450), MHz(470)}, {MHz(470), MHz(490)}, {MHz(400), MHz(470)},
                                       {MHz(460), MHz(520)}};

// Headers follow the columns an edition keeps, taken from a full set in table order.
std::vector<std::string> headersFor(const std::vector<Column>& columns, const std::vector<Column>& fullColumns,
                                    const std::vector<std::string>& fullHeaders);
EditionTexts withColumns(EditionTexts t, const std::vector<Column>& columns);

// A frequency typed into an empty family-A row brings: no tones, DTMF (at
// `dtmfIndex` of the edition's signalling list), PTT ID on, busy lock "Close",
// wide band, scan on, high power.
ChannelFields familyANewChannel(int dtmfIndex);
std::vector<BytePatch> familyASettings(std::uint8_t type, std::uint8_t byte81A, std::uint8_t byte81B);

inline const std::vector<std::string> kFieldItems = {"  67 - 72MHz", "136 - 174MHz", "240 - 260MHz", "350 - 390MHz",
                                              "400 - 430MHz", "430 - 450MHz", "450 - 470MHz", "470 - 490MHz",
                                              "400 - 470MHz", "460 - 520MHz"};

// Type, Field, Tx Power Rank and Manul Setting of the family-A form. `settings`
// names where each byte lives; the smaller radio keeps them elsewhere and reads
// a power rank of 9 or more as 9.
struct FormOffsets {
    std::size_t type, field, powerRank, manual;
    int powerAboveRange;
};

std::vector<FormList> familyAForm(const FormOffsets& at);

inline const FormOffsets kSettingsAt810{.type = 0x80B, .field = 0x80A, .powerRank = 0x819, .manual = 0x812,
                                        .powerAboveRange = 0};
inline const FormOffsets kSettingsAt7D0{.type = 0x7DB, .field = 0x7DA, .powerRank = 0x7D7, .manual = 0x7D2,
                                        .powerAboveRange = 9};

// 0x811 is rewritten each time the table is stored.
inline const std::vector<FormStamp> kStampsAt810 = {{0x811, 0xA8}};
inline const char* const kChineseMessageCaption = "写频软件";

// The small radios keep their band at 0x3D2 (238 + index, initially 7).
FormList smallRadioField(int bands, std::vector<std::string> items, std::vector<std::string> chinese = {});
// The radios' model designations at 0x3D3 (55 + index): one for the
// key-assignment radio, eleven for the 16-channel series.
FormList smallRadioType(std::vector<std::string> items);
std::vector<std::string> numbered(int from, int to);
// The time-out lists: off, then 30 s to 300 s. The Chinese lists say off as
// the Chinese VOX list does.
std::vector<std::string> timeOutItems(const std::string& off);

// The ten editions, one file per family.
Edition twoTone();
Edition ccir();
Edition brand();
Edition fleet();
Edition cn2();
Edition cn10();
Edition keys();
Edition keysChinese();
Edition sixteen();
Edition sixteenChinese();

} // namespace tolvan::edition_parts
