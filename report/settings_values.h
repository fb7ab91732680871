#pragma once

#include "codeplug/memory_image.h"
#include "editions/report_plan.h"
#include "report/form_list_texts.h"

#include <cstdint>
#include <span>
#include <string>

namespace tolvan {

// The value text of one settings-report item, read from the bytes its plan
// names; an identity code reads as its settings dialog shows it.
std::string settingsValueText(const ReportItem& item, const MemoryImage& image, const FormListTexts& lists,
                              Language language);

// A 16-byte code area as printed: the digits and "A"-"D" it holds, in order;
// every other byte (0xFF for a free position) is skipped.
std::string codeText(std::span<const std::uint8_t> bytes);

} // namespace tolvan
