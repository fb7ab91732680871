#pragma once

#include "report/report_layout.h"

#include <QFont>

class QPainter;
class QPaintDevice;

namespace tolvan {

// The face the report asks for is not on Linux: a metric-compatible serif face
// stands in, and a CJK face covers the Chinese texts.
QFont reportQFont(const ReportFont& font);

// Character height plus external leading, in twips, as the drawing device sees it.
int reportLineHeight(const ReportFont& font);

// The printable rectangle and resolution of a paint device (printer, PDF writer).
ReportDevice reportDeviceOf(const QPaintDevice& device);

// Draws one page on a painter whose origin is the printable rectangle's top-left.
void paintReportPage(QPainter& painter, const ReportPage& page, const ReportDevice& device);

} // namespace tolvan
