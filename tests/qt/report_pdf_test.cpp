// The report's painting and a PDF export that writes nothing; a PDF written
// whole, page for page, is the report layer's command-line test.
#include "window_fixture.h"

namespace tolvan {
namespace {

// An edition without a report writes nothing, not an empty PDF; a writer that
// fails is the command line's hostile outputs.
TEST(ReportPdf, AnEditionWithoutAReportKeepsThePreviousFile)
{
    QTemporaryDir dir;
    QString error;
    const QString path = dir.filePath(QStringLiteral("keep.pdf"));
    std::ofstream(path.toStdString()) << "previous";
    Edition keys = *findEdition("cps-keys");
    keys.report.pages.clear();
    const MemoryImage keysImage = newDocumentImage(keys);
    const ChannelTable keysTable(keys, Language::English);
    EXPECT_FALSE(writeReportPdf(localPath(path), ReportInput(keys, Language::English, keysTable, {}, keysImage), &error, false));
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("previous"));
}

TEST(ReportPainter, LineHeightsAreThoseOfATimesMetricFace)
{
    // Character height plus leading of the Times metrics: about 1.15 em.
    const int line = reportLineHeight({ReportFontRole::Body, 1000, 800});
    EXPECT_GT(line, 1100);
    EXPECT_LT(line, 1200);
}


// The rightmost column holding ink, or -1.
int rightmostInk(const QImage& image)
{
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128)
                return x;
    return -1;
}

TEST(ReportPainter, ATextIsCondensedIntoItsRoomOnly)
{
    // One pixel per twip.
    const ReportDevice device{1200, 200, 1440, 1440};
    const ReportFont font{ReportFontRole::Body, 100, 40};
    auto paint = [&](const DrawOp& op) {
        QImage image(device.widthPx, device.heightPx, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintReportPage(painter, ReportPage{{op}}, device);
        painter.end();
        return rightmostInk(image);
    };
    const int free = paint({10, -20, font, "Narrow Narrow ", 0});
    ASSERT_GT(free, 400);
    // With room to spare the text is drawn as it is; with too little it ends one
    // blank short of its neighbour.
    EXPECT_EQ(paint({10, -20, font, "Narrow Narrow ", 1000}), free);
    const int squeezed = paint({10, -20, font, "Narrow Narrow ", 300});
    EXPECT_LT(squeezed, 10 + 300);
    EXPECT_GT(squeezed, 10 + 250);
}

} // namespace
} // namespace tolvan
