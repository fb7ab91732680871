#include "report/qt/report_painter.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace tolvan {
namespace {

constexpr double kTwipsPerInch = 1440.0;

// Fonts are built at one pixel per twip; the painter's transform brings twips to
// device pixels, so glyphs stay outlines at any printer resolution.
struct MeasuredFont {
    QFont font;
    double ascent = 0;
    double averageWidth = 0;  // the face's own average character width at this size
};

const MeasuredFont& measured(const ReportFont& spec)
{
    static QHash<int, MeasuredFont> cache;
    auto it = cache.find(spec.height);
    if (it == cache.end()) {
        QFont font;
        font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                          QStringLiteral("WenQuanYi Micro Hei")});
        font.setStyleHint(QFont::Serif);
        font.setWeight(QFont::Normal);
        font.setPixelSize(std::max(1, spec.height));
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setKerning(false);
        const QFontMetricsF metrics(font);
        it = cache.insert(spec.height, {font, metrics.ascent(), metrics.averageCharWidth()});
    }
    return *it;
}

// Full-width characters (CJK ideographs, their punctuation and full-width forms)
// take twice the average character width, as a Chinese system's fallback face does.
bool isFullWidth(QChar c)
{
    return c.unicode() >= 0x2E80;
}

} // namespace

QFont reportQFont(const ReportFont& font)
{
    return measured(font).font;
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
    painter.scale(device.dpiX / kTwipsPerInch, device.dpiY / kTwipsPerInch);
    painter.setPen(Qt::black);
    for (const DrawOp& op : page.ops) {
        const MeasuredFont& m = measured(op.font);
        if (op.text.empty() || m.averageWidth <= 0)
            continue;
        painter.setFont(m.font);
        const QFontMetricsF metrics(m.font);
        // The face is stretched or condensed so that its average character is the
        // requested width; full-width characters get twice that width.
        const double narrowScale = op.font.width / m.averageWidth;
        const double wideScale = 2.0 * op.font.width / std::max(1, op.font.height);
        const double baseline = -op.y + m.ascent;
        double x = op.x;
        const QString text = QString::fromStdString(op.text);
        for (qsizetype start = 0; start < text.size();) {
            const bool wide = isFullWidth(text[start]);
            qsizetype end = start + 1;
            while (end < text.size() && isFullWidth(text[end]) == wide)
                ++end;
            const QString run = text.mid(start, end - start);
            const double scale = wide ? wideScale : narrowScale;
            painter.save();
            painter.translate(x, baseline);
            painter.scale(scale, 1.0);
            painter.drawText(QPointF(0, 0), run);
            painter.restore();
            x += metrics.horizontalAdvance(run) * scale;
            start = end;
        }
    }
    painter.restore();
}

} // namespace tolvan
