#include "editing_fixture.h"
#include "report/form_list_texts.h"

using namespace tolvan;

TEST_F(WindowTest, EveryEditionsViewStoresWhatItShows)
{
    for (const Edition* e : allEditions()) {
        auto w = start(e->id.c_str());
        ASSERT_TRUE(w) << e->id;
        CTolView& view = w->frame().view();
        ASSERT_EQ(view.grid()->rows(), e->channelCount + 1) << e->id;
        ASSERT_EQ(view.grid()->cols(), static_cast<int>(e->columns.size())) << e->id;
        for (int row = 0; row <= e->channelCount; row += 7)
            for (int col = 0; col < view.grid()->cols(); ++col)
                EXPECT_EQ(view.grid()->textMatrix(row, col).toStdString(), view.table().cell(row, col)) << e->id;
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
        EXPECT_EQ(view.functionGroup() != nullptr, e->family == Family::SixteenChannel) << e->id;
    }
}

// Text typed into a list of the form, in every program that has such a list:
// once the user is done with it (Enter, or leaving the list with Tab) the list
// shows what the file, the report and Test Mode take. A typed entry is chosen,
// case aside (where typing does not snap the list back at once); any other
// text gives way to the list's choice.
TEST_F(EditingTest, AListOfTheFormTakesOnlyItsEntries)
{
    for (const ProgramRun& run : everyProgramAndLanguage()) {
        open(run.edition->id.c_str(), run.chineseSystem);
        for (int i = 0; i < view().form().count(); ++i) {
            const FormList& l = view().form().list(i);
            if (!l.editable)
                continue;
            const std::vector<std::string>& items = l.items(view().language());
            for (const auto& [typed, done] : {std::pair{QString("zz9"), Qt::Key_Return},
                                              std::pair{QString::fromStdString(items.back()).toLower(), Qt::Key_Tab}}) {
                SCOPED_TRACE(run.edition->id + " " + l.label + ": " + typed.toStdString());
                QComboBox* list = view().formList(i);
                list->setFocus();
                list->lineEdit()->selectAll();
                QInputMethodEvent commit;  // the way Chinese text arrives, too
                for (const QChar c : typed) {
                    commit.setCommitString(c);
                    QApplication::sendEvent(list->lineEdit(), &commit);
                }
                key(done);
                const int chosen = view().form().selection(i);
                if (done == Qt::Key_Tab && l.typingReset < 0) {
                    EXPECT_EQ(chosen, static_cast<int>(items.size()) - 1);
                }
                EXPECT_EQ(list->currentText().toStdString(), formListTexts(view().form(), view().language()).of(l.label));
                save();
                FormSettings stored(edition());
                stored.loadFromImage(loadSin(path("saved.sin").toStdString(), edition().imageSize).image.value());
                EXPECT_EQ(stored.selection(i), chosen);
            }
        }
        window.reset();
    }
}
