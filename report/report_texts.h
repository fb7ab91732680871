#pragma once

#include "editions/language.h"
#include "report/image_diff.h"

#include <string>

namespace tolvan {

// The words of a comparison of two images (--diff, Compare With File,
// Compare With Radio).
struct DiffTexts {
    std::string channel;
    std::string settings;
    std::string otherBytes;
    std::string recordByte;  // a byte of a channel's record, by its number in the record
    std::string nameByte;    // a byte of a channel's name, likewise
    std::string blank;
    struct Sides {
        std::string heading;    // which side is which, above the differences
        std::string identical;  // the one line when there are none
    };
    Sides files, documentAndFile, documentAndRadio;

    const Sides& sides(ComparedSides s) const
    {
        return s == ComparedSides::DocumentAndRadio ? documentAndRadio
               : s == ComparedSides::DocumentAndFile ? documentAndFile
                                                     : files;
    }
};

// Why a report was not printed into a PDF.
struct PdfTexts {
    std::string noReport;
    std::string notDrawn;
};

const DiffTexts& diffTexts(Language language);
const PdfTexts& pdfTexts(Language language);

} // namespace tolvan
