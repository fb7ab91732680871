#include "report/qt/report_print.h"

#include "report/qt/report_painter.h"
#include "program/sin_status_text.h"
#include "report/report_texts.h"

#include <QBuffer>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace tolvan {
namespace {

ReportInput inputOf(const Edition& edition, Language language, const ChannelTable& table, const FormListTexts& lists,
                    const MemoryImage& image)
{
    return ReportInput(edition, language, table, lists, image);
}

QString documentTitle(const Edition& edition)
{
    return QString::fromStdString(edition.id);
}

} // namespace

QPrinter& reportPrinter()
{
    // Lives for the whole run, like the printer choice of Print Setup; never
    // destroyed, so it cannot outlive the application object's print backend.
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

int paintReport(QPagedPaintDevice& device, const ReportInput& input, int from, int to)
{
    const int count = reportPageCount(*input.edition);
    const int first = from > 0 ? from : 1;
    const int last = to > 0 ? std::min(to, count) : count;
    if (first > last)
        return 0;
    QPainter painter;
    if (!painter.begin(&device))
        return -1;
    const ReportDevice geometry = reportDeviceOf(device);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        paintReportPage(painter, layoutReportPage(input, geometry, reportLineHeight, page), geometry);
    }
    painter.end();
    return last - first + 1;
}

bool renderReportPdf(QByteArray& bytes, const ReportInput& input, QString* error, bool layoutFromPrinter)
{
    const PdfTexts& t = pdfTexts(input.edition->uiLanguage(input.language));
    auto fail = [&](const std::string& why) {
        if (error)
            *error = QString::fromStdString(why);
        return false;
    };
    if (reportPageCount(*input.edition) == 0)
        return fail(t.noReport);
    bytes.clear();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(documentTitle(*input.edition));
    pdf.setCreator(documentTitle(*input.edition));
    if (layoutFromPrinter)
        pdf.setPageLayout(reportPrinter().pageLayout());
    else
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12.7, 12.7, 12.7, 12.7),
                                      QPageLayout::Millimeter));
    if (paintReport(pdf, input) <= 0)
        return fail(t.notDrawn);
    return true;
}

bool writeReportPdf(const std::filesystem::path& path, const ReportInput& input, QString* error,
                    bool layoutFromPrinter, const OutputRules& rules, FileFault* fault)
{
    if (fault)
        *fault = FileFault::None;
    // Refused names are refused before any page is drawn.
    FileResult result = checkOutputFile(path, rules);
    QByteArray pdf;
    if (result.ok() && !renderReportPdf(pdf, input, error, layoutFromPrinter)) {
        if (fault)
            *fault = FileFault::SystemError;
        return false;
    }
    if (result.ok())
        result = writeFileSafely(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), rules);
    if (result.ok())
        return true;
    if (fault)
        *fault = result.fault;
    if (error)
        *error = QString::fromStdString(writeFaultText(result, path, input.edition->uiLanguage(input.language)));
    return false;
}

void printReport(QWidget* parent, const Edition& edition, Language language, const ChannelTable& table,
                 const FormListTexts& lists, const MemoryImage& image)
{
    const ReportInput input = inputOf(edition, language, table, lists, image);
    const int count = reportPageCount(edition);
    if (count == 0)
        return;
    QPrinter& printer = reportPrinter();
    printer.setDocName(documentTitle(edition));
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, count);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const bool range = printer.printRange() == QPrinter::PageRange;
    paintReport(printer, input, range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
}

void previewReport(QWidget* parent, const Edition& edition, Language language, const ChannelTable& table,
                   const FormListTexts& lists, const MemoryImage& image)
{
    const ReportInput input = inputOf(edition, language, table, lists, image);
    QPrintPreviewDialog preview(&reportPrinter(), parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&input](QPrinter* printer) { paintReport(*printer, input); });
    // Two pages side by side.
    if (auto* view = preview.findChild<QPrintPreviewWidget*>())
        view->setViewMode(QPrintPreviewWidget::FacingPagesView);
    preview.exec();
}

void printSetup(QWidget* parent)
{
    QPageSetupDialog dialog(&reportPrinter(), parent);
    dialog.exec();
}

} // namespace tolvan
