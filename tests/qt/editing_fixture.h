#pragma once

#include "window_fixture.h"

namespace tolvan {

// Runs `act` once on the next modal window, from inside its own event loop.
class WhenModal {
public:
    explicit WhenModal(std::function<void(QWidget&)> act) : act_(std::move(act))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && !done) {
                done = true;
                timer_.stop();
                act_(*modal);
            }
        });
        timer_.start(1);
    }
    bool done = false;

private:
    std::function<void(QWidget&)> act_;
    QTimer timer_;
};

// A shown program window whose grid takes keys as a user's keyboard gives
// them: each key goes to the widget that has the focus.
class EditingTest : public WindowTest {
protected:
    void open(const char* id = "cps-twotone", bool chinese = false)
    {
        window = start(id, nullptr, chinese);
        ASSERT_TRUE(window);
        frame().show();
        frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
        grid()->setFocus();
    }

    CMainFrame& frame() { return window->frame(); }
    CTolView& view() { return frame().view(); }
    CMSFlexGrid* grid() { return view().grid(); }
    GridEditing& editing() { return view().editing(); }
    const Edition& edition() { return window->document().edition(); }

    // Moves the cursor as the arrow keys or a click would, focus on the grid.
    void select(int row, int col)
    {
        grid()->setFocus();
        grid()->setCurrentCell(row - 1, col, QItemSelectionModel::ClearAndSelect);
        QApplication::processEvents();
    }

    static QWidget* focus()
    {
        QWidget* w = QApplication::focusWidget();
        EXPECT_TRUE(w) << "nothing has the keyboard focus";
        return w;
    }

    // Editors commit through the event loop's next pass; messages come after it.
    static void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        if (QWidget* w = focus())
            QTest::keyClick(w, k, mods);
        QApplication::processEvents();
    }
    static void keys(const char* text)
    {
        for (const char* c = text; *c; ++c) {
            if (QWidget* w = focus())
                QTest::keyClick(w, *c);
            QApplication::processEvents();
        }
    }
    // Types an entry and presses Enter.
    static void enter(const char* text)
    {
        keys(text);
        key(Qt::Key_Return);
    }

    std::string cell(int row, int col) { return grid()->textMatrix(row, col).toStdString(); }
    std::string cell(int row, Column column) { return cell(row, view().table().columnOf(column)); }
    std::vector<std::string> row(int r)
    {
        std::vector<std::string> cells;
        for (int col = 1; col < grid()->cols(); ++col)
            cells.push_back(cell(r, col));
        return cells;
    }
    // The first click opens the cell's editor, the second press comes as a double click.
    void doubleClick(int row, int col)
    {
        const QPoint at = grid()->cellRect(row, col).center();
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }
    std::pair<int, int> cursor() { return {grid()->row(), grid()->col()}; }

    std::vector<QString> messages()
    {
        QApplication::processEvents();
        std::vector<QString> texts;
        for (const auto& shown : dialogs.shown)
            texts.push_back(shown.text);
        dialogs.shown.clear();
        return texts;
    }

    // Saves as File Save does (without touching the recent files) and gives
    // the file's bytes.
    QByteArray save()
    {
        const QString file = path("saved.sin");
        EXPECT_EQ(window->document().OnSaveDocument(file.toStdString()), SinStatus::Ok);
        QFile in(file);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        return in.readAll();
    }
    // A channel's record in the saved file, as hex bytes.
    std::string savedRecord(int channel)
    {
        return save().mid(static_cast<qsizetype>(edition().recordOffset(channel)), 16).toHex(' ').toStdString();
    }

    std::unique_ptr<ProgramWindow> window;
};

} // namespace tolvan
