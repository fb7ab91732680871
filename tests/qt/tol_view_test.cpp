#include "window_fixture.h"

#include "editor/column_widths.h"
#include "editor/qt/ms_flex_grid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace tolvan;

TEST_F(WindowTest, TheGridShowsTheTableWithItsShape)
{
    auto w = start("cps-twotone");
    CTolView& view = w->frame().view();
    CMSFlexGrid* grid = view.grid();
    ASSERT_EQ(grid->rows(), 129);
    ASSERT_EQ(grid->cols(), 13);
    for (int row = 0; row < grid->rows(); row += 16)
        for (int col = 0; col < grid->cols(); ++col)
            EXPECT_EQ(grid->textMatrix(row, col).toStdString(), view.table().cell(row, col));
    EXPECT_EQ(grid->textMatrix(128, 0), "128");
    EXPECT_EQ(grid->textMatrix(0, 5), " W/N ");
    const double w2 = grid->colWidth(2) / 1.2;
    for (int col = 0; col < grid->cols(); ++col)
        EXPECT_NEAR(grid->colWidth(col), w2 * columnWidthFactor(view.table().columnAt(col)), 1.5) << col;
    EXPECT_EQ(grid->font().family(), "Times New Roman");
    EXPECT_DOUBLE_EQ(grid->font().pointSizeF(), 9.75);

    // The new document's form.
    const int expected[] = {0, 2, 9, 0};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(view.formList(i)->currentIndex(), expected[i]) << i;
    EXPECT_EQ(view.formList(1)->currentText(), "240 - 260MHz");
}

TEST_F(WindowTest, TypingIntoAListSnapsItBack)
{
    auto w = start("cps-twotone");
    CTolView& view = w->frame().view();
    const int snapped[] = {0, 2, 9, 1};
    for (int i = 0; i < 4; ++i) {
        QComboBox* list = view.formList(i);
        emit list->activated(1);
        list->setCurrentIndex(1);
        w->document().setModified(false);
        QTest::keyClicks(list->lineEdit(), "7");
        EXPECT_EQ(list->currentIndex(), snapped[i]) << i;
        EXPECT_EQ(view.form().selection(i), snapped[i]) << i;
        EXPECT_EQ(w->document().isModified(), snapped[i] != 1) << "a snapped list is a change too";
    }
}

TEST_F(WindowTest, TheStatusBarHintsFollowTheCursor)
{
    for (bool chinese : {false, true}) {
        auto w = start("cps-twotone", nullptr, chinese);
        CTolView& view = w->frame().view();
        QSignalSpy hints(&view, &CTolView::hint);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(view.grid()->viewport(), &enter);
        QCoreApplication::sendEvent(view.formList(0), &enter);
        QCoreApplication::sendEvent(&view, &enter);
        ASSERT_EQ(hints.size(), 3);
        EXPECT_EQ(hints[0][0].toString(), chinese ? "请单击格子进入编辑状态或直接输入数字,如需帮助，请按F1键"
                                                  : "Please Click the cell to edit or input data，For help，please press F1");
        EXPECT_EQ(hints[1][0].toString(), chinese ? "请点击组合框右边的箭头按钮以进行选择"
                                                  : "Please click the CommBox to choose value，For help，please press F1");
        EXPECT_EQ(hints[2][0].toString(), chinese ? "如需帮助，请按F1键" : "For help，please press F1");
        EXPECT_EQ(w->frame().statusText(), hints[2][0].toString());
    }
}

TEST_F(WindowTest, EveryEditionsViewStoresWhatItShows)
{
    for (const Edition* e : allEditions()) {
        auto w = start(e->id.c_str());
        ASSERT_TRUE(w) << e->id;
        CTolView& view = w->frame().view();
        ASSERT_EQ(view.grid()->rows(), e->channelCount + 1) << e->id;
        ASSERT_EQ(view.grid()->cols(), static_cast<int>(e->columns.size())) << e->id;
        // Stored once, the image no longer changes when shown and stored again.
        MemoryImage once = w->document().image();
        view.gridToImage(once);
        w->document().image() = once;
        view.imageToGrid();
        MemoryImage twice = once;
        view.gridToImage(twice);
        EXPECT_EQ(twice, once) << e->id;
        for (int i = 0; i < view.form().count(); ++i)
            EXPECT_EQ(view.formList(i)->currentIndex(), view.form().selection(i)) << e->id << " list " << i;
    }
}
