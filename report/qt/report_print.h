#pragma once

#include "codeplug/safe_file.h"
#include "report/report_layout.h"

#include <QByteArray>
#include <QString>

#include <filesystem>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace tolvan {

// The File-menu commands of the report. Each takes what the report shows:
// the table's cells (typed values included), the form lists' texts and the image.
void printReport(QWidget* parent, const Edition& edition, Language language, const ChannelTable& table,
                 const FormListTexts& lists, const MemoryImage& image);
void previewReport(QWidget* parent, const Edition& edition, Language language, const ChannelTable& table,
                   const FormListTexts& lists, const MemoryImage& image);
void printSetup(QWidget* parent);

// The printer every command shares, so that Print Setup's choices hold for the run.
QPrinter& reportPrinter();

// Paints pages `from`..`to` (1-based, 0 for all) on a device already set up;
// returns the number of pages painted.
int paintReport(QPagedPaintDevice& device, const ReportInput& input, int from = 0, int to = 0);

// The whole report as PDF bytes, with the page layout of `reportPrinter()` (or
// A4 when `layoutFromPrinter` is false). On failure returns false and sets `error`.
bool renderReportPdf(QByteArray& pdf, const ReportInput& input, QString* error, bool layoutFromPrinter = true);

// Renders the PDF, then writes it as every export is written (never over a
// channel data file, never in place). On failure returns false and sets `error`
// to a sentence naming the file; `fault` tells a refused name from a failed write.
bool writeReportPdf(const std::filesystem::path& path, const ReportInput& input, QString* error,
                    bool layoutFromPrinter = true, const OutputRules& rules = {.input = {}, .isExport = true},
                    FileFault* fault = nullptr);

} // namespace tolvan
