#include "report/qt/report_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace tolvan {
namespace {

// A font is asked for by its average character width. The stand-in face has the
// same advance widths but declares another average, so the average of the Times
// metrics (821 of 2048 units per em) sets the horizontal scale.
constexpr double kAverageWidthPerEm = 821.0 / 2048.0;

// Full-width characters (CJK ideographs, their punctuation and full-width forms)
// take twice the average character width, as a Chinese system's fallback face does.
bool isFullWidth(QChar c)
{
    return c.unicode() >= 0x2E80;
}

// A stretch of narrow or of full-width characters, drawn with its own scale.
struct Run {
    QString text;
    double scale;
};

std::vector<Run> splitRuns(const QString& text, double narrowScale, double wideScale)
{
    std::vector<Run> runs;
    for (qsizetype start = 0; start < text.size();) {
        const bool wide = isFullWidth(text[start]);
        qsizetype end = start + 1;
        while (end < text.size() && isFullWidth(text[end]) == wide)
            ++end;
        runs.push_back({text.mid(start, end - start), wide ? wideScale : narrowScale});
        start = end;
    }
    return runs;
}

qsizetype trailingBlanks(const QString& text)
{
    qsizetype n = 0;
    while (n < text.size() && text[text.size() - 1 - n] == QLatin1Char(' '))
        ++n;
    return n;
}

} // namespace

// Fonts are built at one pixel per twip; the painter's transform brings twips to
// device pixels, so glyphs stay outlines at any printer resolution.
QFont reportQFont(const ReportFont& font)
{
    QFont qfont;
    qfont.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                       QStringLiteral("WenQuanYi Micro Hei")});
    qfont.setStyleHint(QFont::Serif);
    qfont.setWeight(QFont::Normal);
    qfont.setPixelSize(std::max(1, font.height));
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setKerning(false);
    return qfont;
}

int reportLineHeight(const ReportFont& font)
{
    const QFontMetricsF metrics(reportQFont(font));
    return static_cast<int>(metrics.height() + metrics.leading() + 0.5);
}

ReportDevice reportDeviceOf(const QPaintDevice& device)
{
    return {device.width(), device.height(), device.logicalDpiX(), device.logicalDpiY()};
}

void paintReportPage(QPainter& painter, const ReportPage& page, const ReportDevice& device)
{
    if (device.dpiX <= 0 || device.dpiY <= 0)
        return;
    painter.save();
    painter.scale(static_cast<double>(device.dpiX) / kTwipsPerInch, static_cast<double>(device.dpiY) / kTwipsPerInch);
    painter.setPen(Qt::black);
    for (const DrawOp& op : page.ops) {
        if (op.text.empty() || op.font.height <= 0)
            continue;
        const QFont font = reportQFont(op.font);
        painter.setFont(font);
        const QFontMetricsF metrics(font);
        // The face is stretched or condensed so that its average character is the
        // requested width; full-width characters get twice that width.
        const double narrowScale = op.font.width / (kAverageWidthPerEm * op.font.height);
        const double wideScale = 2.0 * op.font.width / op.font.height;
        const double baseline = -op.y + metrics.ascent();
        const QString text = QString::fromStdString(op.text);

        const std::vector<Run> runs = splitRuns(text, narrowScale, wideScale);

        // A text keeps one blank's distance from its neighbour: a longer one is condensed.
        double squeeze = 1.0;
        if (op.room > 0) {
            double visible = 0;
            for (const Run& run : runs)
                visible += metrics.horizontalAdvance(run.text) * run.scale;
            visible -= metrics.horizontalAdvance(text.sliced(text.size() - trailingBlanks(text))) * narrowScale;
            const double available = op.room - metrics.horizontalAdvance(QLatin1Char(' ')) * narrowScale;
            if (available > 0 && visible > available)
                squeeze = available / visible;
        }

        double x = op.x;
        for (const Run& run : runs) {
            painter.save();
            painter.translate(x, baseline);
            painter.scale(run.scale * squeeze, 1.0);
            painter.drawText(QPointF(0, 0), run.text);
            painter.restore();
            x += metrics.horizontalAdvance(run.text) * run.scale * squeeze;
        }
    }
    painter.restore();
}

} // namespace tolvan
