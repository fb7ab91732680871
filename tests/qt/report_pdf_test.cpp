#include "window_fixture.h"

namespace tolvan {
namespace {

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s])"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

TEST(ReportPdf, WritesOnePdfPagePerReportPage)
{
    const struct {
        const char* edition;
        Language language;
        int pages;
    } cases[] = {{"cps-twotone", Language::English, 5}, {"cps-twotone", Language::Chinese, 5},
                 {"cps-cn10", Language::Chinese, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edition);
        const Edition& edition = *findEdition(c.edition);
        const MemoryImage image = newDocumentImage(edition);
        ChannelTable table(edition, c.language);
        table.loadFromImage(image);
        table.setCell(1, Column::Receive, "145.12500");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QString error;
        ASSERT_TRUE(writeReportPdf(localPath(path),
                                   ReportInput(edition, c.language, table,
                                               formListTextsFromImage(edition, c.language, image), image),
                                   &error, false))
            << error.toStdString();
        EXPECT_EQ(pdfPageCount(path), c.pages);
    }
}

TEST(ReportPdf, AFailedExportKeepsThePreviousFile)
{
    const Edition& edition = *findEdition("cps-twotone");
    const MemoryImage image = newDocumentImage(edition);
    const ChannelTable table(edition, Language::English);
    const ReportInput input(edition, Language::English, table, {}, image);

    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(writeReportPdf(localPath(dir.filePath(QStringLiteral("missing/report.pdf"))), input, &error, false));
    EXPECT_FALSE(error.isEmpty());

    // An edition without a report writes nothing, not an empty PDF.
    const QString path = dir.filePath(QStringLiteral("keep.pdf"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous");
    }
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
