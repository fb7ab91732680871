// Every editing command of every program that has it, as a user meets it in
// the window the program starts: open a file, change a value with the keys or
// the mouse, close the window the way a user can, File > Save, and the bytes
// the file then holds; then the file in a newly started window and what it
// shows. One snapshot holds every program's scenarios.
#include "editing_fixture.h"

using namespace tolvan;

namespace {

// How a user leaves a dialog.
enum class Close { Ok, CloseBox, Esc, Enter };

const char* closeName(Close how)
{
    const char* const names[] = {"OK", "the close box", "Esc", "Enter"};
    return names[int(how)];
}

void closeDialog(QWidget& dialog, Close how)
{
    switch (how) {
    case Close::Enter: QTest::keyClick(&dialog, Qt::Key_Return); return;
    case Close::Ok:
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            if (b->isVisible() && (b->isDefault() || b->text().remove('&') == "OK" || b->text().contains("确定"))) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no OK button";
        return;
    case Close::CloseBox: dialog.close(); return;
    case Close::Esc: QTest::keyClick(&dialog, Qt::Key_Escape); return;
    }
}

// The n-th visible child of a kind, in the order the dialog made them.
template <typename W>
W* nth(QWidget& root, int n)
{
    int seen = 0;
    for (W* w : root.findChildren<W*>())
        if (w->isVisibleTo(&root) && w->isEnabled() && seen++ == n)
            return w;
    ADD_FAILURE() << "no widget " << n << " of its kind";
    return nullptr;
}

// A user's change to a dialog control, and its text afterwards.
struct Touch {
    enum Kind { NextInList, Tick } kind;
    int index;  // among the visible controls of that kind
};

QString controlText(QWidget& dialog, const Touch& t)
{
    switch (t.kind) {
    case Touch::NextInList: return nth<QComboBox>(dialog, t.index)->currentText();
    case Touch::Tick: return nth<QCheckBox>(dialog, t.index)->isChecked() ? "[x]" : "[ ]";
    }
    return {};
}

void apply(QWidget& dialog, const Touch& t)
{
    switch (t.kind) {
    case Touch::NextInList: {
        QComboBox* list = nth<QComboBox>(dialog, t.index);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        break;
    }
    case Touch::Tick: {
        QCheckBox* box = nth<QCheckBox>(dialog, t.index);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));  // on the box, not past its text
        break;
    }
    }
    QApplication::processEvents();
}

class UserScenario : public EditingTest {
protected:
    using Steps = std::function<void()>;

    // Starts `id` on its sample file, runs the user's steps, saves with
    // File > Save and notes the bytes that changed; `reopened` then notes
    // what a new window shows of the saved file.
    void scenario(const char* id, const std::string& name, const Steps& steps,
                  const std::function<std::string()>& reopened, const MemoryImage* start = nullptr)
    {
        SCOPED_TRACE(std::string(id) + ": " + name);
        const Edition& e = *findEdition(id);
        const QString file = QString(id) + ".sin";
        writeFile(file, start ? *start : sampleCodeplug(e));
        open(id);
        ASSERT_TRUE(frame().openFile(path(file)));
        // Saving the unchanged file first: a save writes every row the way the table stores it.
        frame().action(cmd::Save)->trigger();
        const MemoryImage before = loadSin(path(file).toStdString(), e.imageSize).image.value();
        dialogs.shown.clear();
        steps();
        frame().action(cmd::Save)->trigger();
        const MemoryImage saved = loadSin(path(file).toStdString(), e.imageSize).image.value();
        out += "== " + std::string(id) + ": " + name + "\n" + notes + imageChanges(before, saved);
        notes.clear();
        // Every step of it undone gives the file as it was, every step redone
        // the file as saved: a save in between changes nothing of that.
        out += "undone:";
        for (int i = 0; i < 5 && undoStep(false, Qt::ControlModifier); ++i) {
        }
        frame().action(cmd::Save)->trigger();
        const MemoryImage undone = loadSin(path(file).toStdString(), e.imageSize).image.value();
        EXPECT_TRUE(undone == before) << imageChanges(before, undone);
        out += "\nredone:";
        for (int i = 0; i < 5 && undoStep(true, Qt::ControlModifier | Qt::ShiftModifier); ++i) {
        }
        out += "\n";
        frame().action(cmd::Save)->trigger();
        const MemoryImage redone = loadSin(path(file).toStdString(), e.imageSize).image.value();
        EXPECT_TRUE(redone == saved) << imageChanges(saved, redone);
        for (const auto& shown : dialogs.shown)
            out += "message: [" + shown.title.toStdString() + "] " + shown.text.toStdString() + "\n";
        window.reset();
        open(id);
        ASSERT_TRUE(frame().openFile(path(file)));
        out += "reopened: " + reopened() + "\n";
        window.reset();
    }

    // Ctrl+Z or Ctrl+Shift+Z when the table's menu offers it; its caption noted.
    bool undoStep(bool redo, Qt::KeyboardModifiers keys)
    {
        const RowCommandTexts texts = rowCommandTexts(edition().uiLanguage(view().language()));
        const QString word = QString::fromStdString(redo ? texts.redo : texts.undo);
        const auto menu = editing().rowMenu();
        for (QAction* a : menu->actions())
            if (a->text().startsWith(word) && a->isEnabled()) {
                out += " [" + a->text().toStdString() + "]";
                frame().activateWindow();  // the offscreen platform does not when a dialog closes
                EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
                grid()->setFocus();
                key(Qt::Key_Z, keys);
                return true;
            }
        return false;
    }

    // Opens a dialog through its command, makes the touches, closes it as `how`.
    void dialogVisit(int command, const std::vector<Touch>& touches, Close how)
    {
        WhenModal visit([&](QWidget& dialog) {
            for (const Touch& t : touches)
                apply(dialog, t);
            closeDialog(dialog, how);
        });
        frame().action(command)->trigger();
        EXPECT_TRUE(visit.done);
    }
    // What the dialog of `command` shows for the touched controls, closed with Esc.
    std::string shownIn(int command, const std::vector<Touch>& touches)
    {
        QStringList shown;
        WhenModal look([&](QWidget& dialog) {
            for (const Touch& t : touches)
                shown << controlText(dialog, t);
            closeDialog(dialog, Close::Esc);
        });
        frame().action(command)->trigger();
        return shown.join(" | ").toStdString();
    }

    // The first row with no receive frequency.
    int emptyRow()
    {
        for (int r = 1; r <= edition().channelCount; ++r)
            if (cell(r, Column::Receive).empty())
                return r;
        return 0;
    }
    std::string rowText(int r)
    {
        std::string s;
        for (const std::string& c : row(r))
            s += c + "|";
        return s;
    }

    std::string out;
    std::string notes;  // what the steps saw, noted under the scenario's name
};

bool hasFunctionGroup(const Edition& e)
{
    const FormSettings form(e);
    for (int i = 0; i < form.count(); ++i)
        if (form.list(i).place == FormList::Place::FunctionGroup)
            return true;
    return false;
}

// A channel's record and name bytes, as a hex string.
std::string channelBytes(const Edition& e, const MemoryImage& image, int channel)
{
    std::string out = hexBytes(image.bytes(e.recordOffset(channel), 16));
    if (e.nameBase)
        out += " | " + hexBytes(image.bytes(*e.nameBase + 8 * static_cast<std::size_t>(channel - 1), 8));
    return out;
}

// Every byte of the channel's record the table shows no column of set to a
// pattern of its own, and a name where the radio keeps names.
MemoryImage withHiddenBytesSet(const Edition& e, MemoryImage image, int channel)
{
    const std::size_t record = e.recordOffset(channel);
    image.set(record + 12, static_cast<std::uint8_t>(image.at(record + 12) ^ 0xF0));
    image.set(record + 13, 0xA5);
    image.set(record + 14, 0x5A);
    image.set(record + 15, 0xC3);
    if (e.nameBase)
        image.write(*e.nameBase + 8 * static_cast<std::size_t>(channel - 1),
                    std::vector<std::uint8_t>{0x0A, 0x0B, 0x01, 0x02, 0xFF, 0xFF, 0x3F, 0x7E});
    return image;
}

const std::vector<const char*> kEveryProgram = {"cps-twotone", "cps-ccir", "cps-brand", "cps-fleet", "cps-cn2",
                                                 "cps-cn10",    "cps-keys", "cps-keys-cn", "cps16",   "cps16-cn"};

// The settings dialogs of the three layouts, the key dialog: a list moved on
// with the arrow key and a box ticked (or a second list), kept with OK,
// dropped with Esc.
struct DialogCase {
    int command;
    std::vector<Touch> touches;
};
std::vector<DialogCase> settingsDialogs(const Edition& e)
{
    std::vector<DialogCase> out;
    if (e.optionalFeatures)
        out.push_back({cmd::OptionalFeatures, {{Touch::NextInList, 0}, {Touch::Tick, 0}}});
    if (e.signallingFeatures)
        out.push_back({cmd::OptionalFeatures, {{Touch::NextInList, 0}, {Touch::Tick, 1}}});
    if (e.settingsLists)
        out.push_back({cmd::EditOptionalFeatures, {{Touch::NextInList, 0}, {Touch::NextInList, 3}}});
    if (e.keyAssignment)
        out.push_back({cmd::KeyAssignment, {{Touch::NextInList, 0}, {Touch::NextInList, 3}}});
    return out;
}

TEST_F(UserScenario, EveryEditingCommandReachesTheSavedFile)
{
    for (const char* id : kEveryProgram) {
        const Edition& e = *findEdition(id);
        int typedRow = 0;
        scenario(id, "a frequency typed into an empty row, Enter",
                 [&] {
                     typedRow = emptyRow();
                     select(typedRow, view().table().columnOf(Column::Receive));
                     enter(frequencyText(typedFrequency(e)).c_str());
                 },
                 [&] { return rowText(typedRow); });

        for (const DialogCase& c : settingsDialogs(e))
            for (Close how : {Close::Ok, Close::Esc})
                scenario(id,
                         std::string(c.command == cmd::KeyAssignment ? "Key Assignment" : "Optional Features")
                             + ": a list and a box or a second list changed, " + closeName(how),
                         [&] { dialogVisit(c.command, c.touches, how); },
                         [&] { return shownIn(c.command, c.touches); });

        if (e.hasTwoTone) {
            int row = 0;
            scenario(id, "Channel Edit on a new channel: 2-Tone, call up 3, decoder up 2, Enter",
                     [&] {
                         // A new channel (DTMF by default), then its kind refined in the dialog.
                         row = emptyRow();
                         select(row, view().table().columnOf(Column::Receive));
                         enter(frequencyText(typedFrequency(e)).c_str());
                         key(Qt::Key_Escape);
                         notes += "channel " + std::to_string(row) + ": " + rowText(row) + "\n";
                         WhenModal edit([](QWidget& dialog) {
                             auto& d = dynamic_cast<CChannelEditDlg&>(dialog);
                             d.signallingList()->setFocus();
                             for (int i = 0; i < 5 && d.signallingList()->currentText() != "2-Tone"; ++i)
                                 QTest::keyClick(d.signallingList(), Qt::Key_Down);
                             EXPECT_EQ(d.signallingList()->currentText(), "2-Tone");
                             for (int i = 0; i < 3; ++i)
                                 QTest::keyClick(d.callBox(), Qt::Key_Up);
                             for (int i = 0; i < 2; ++i)
                                 QTest::keyClick(d.decodeBox(), Qt::Key_Up);
                             closeDialog(d, Close::Enter);
                         });
                         doubleClick(row, 1);
                         EXPECT_TRUE(edit.done);
                     },
                     [&] {
                         QString shown;
                         WhenModal look([&](QWidget& dialog) {
                             auto& d = dynamic_cast<CChannelEditDlg&>(dialog);
                             shown = "channel " + d.channelBox()->text() + " | " + d.signallingList()->currentText()
                                     + " | call " + d.callBox()->text() + " | decode " + d.decodeBox()->text();
                             d.reject();
                         });
                         doubleClick(row, 1);
                         return shown.toStdString();
                     });

            // Two Tone has no OK: every way out keeps the page on screen.
            const auto twoToneShown = [&] {
                QString shown;
                WhenModal look([&](QWidget& dialog) {
                    auto& d = dynamic_cast<CTwoToneDlg&>(dialog);
                    shown = "encode row 3: " + d.encodePage()->grid()->item(2, 1)->text() + " / "
                            + d.encodePage()->grid()->item(2, 2)->text();
                    d.tabs()->setCurrentIndex(1);
                    shown += " | decoder 1 A: " + d.decodeSheet()->page(0)->toneBox(0)->text();
                    d.close();
                });
                frame().action(cmd::TwoTone)->trigger();
                return shown.toStdString();
            };
            const std::pair<const char*, std::function<void(CTwoToneDlg&)>> twoToneWays[] = {
                {"the close box", [](CTwoToneDlg& d) { d.close(); }},
                {"Esc", [](CTwoToneDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
                {"the Decode tab, then the close box", [](CTwoToneDlg& d) {
                     d.tabs()->setCurrentIndex(1);
                     d.close();
                 }},
            };
            for (const auto& [way, leave] : twoToneWays)
                scenario(id, std::string("Two Tone: 1000 into Tone1 of row 3, Enter, ") + way,
                         [&, leave = leave] {
                             WhenModal type([&](QWidget& dialog) {
                                 auto& d = dynamic_cast<CTwoToneDlg&>(dialog);
                                 QTableWidget* grid = d.encodePage()->grid();
                                 grid->setFocus();
                                 grid->setCurrentCell(2, 1);
                                 QTest::keyClick(grid, Qt::Key_1);
                                 QTest::keyClicks(d.encodePage()->cellEditor(), "000");
                                 QTest::keyClick(d.encodePage()->cellEditor(), Qt::Key_Return);
                                 leave(d);
                             });
                             frame().action(cmd::TwoTone)->trigger();
                             EXPECT_TRUE(type.done);
                         },
                         twoToneShown);
            scenario(id, "Two Tone: 1000.0 typed as decoder 1's A tone, the close box",
                     [&] {
                         WhenModal type([&](QWidget& dialog) {
                             auto& d = dynamic_cast<CTwoToneDlg&>(dialog);
                             d.tabs()->setCurrentIndex(1);
                             QLineEdit* a = d.decodeSheet()->page(0)->toneBox(0)->lineEdit();
                             a->setFocus();
                             a->selectAll();
                             QTest::keyClicks(a, "1000.0");
                             d.close();
                         });
                         frame().action(cmd::TwoTone)->trigger();
                     },
                     twoToneShown);
        }

        if (hasFunctionGroup(e)) {
            scenario(id, "Function Setting: the first and third lists moved on with the arrow key",
                     [&] {
                         for (int n : {0, 2}) {
                             QComboBox* list = nth<QComboBox>(*view().functionGroup(), n);
                             list->setFocus();
                             QTest::keyClick(list, Qt::Key_Down);
                         }
                     },
                     [&] {
                         return (nth<QComboBox>(*view().functionGroup(), 0)->currentText() + " | "
                                 + nth<QComboBox>(*view().functionGroup(), 2)->currentText())
                             .toStdString();
                     });
        }

        if (e.passwordOffset) {
            scenario(id, "Data Password: 13579135 typed over the field (six characters kept)",
                     [&] {
                         QLineEdit* field = view().passwordEdit();
                         field->setFocus();
                         field->selectAll();
                         QTest::keyClicks(field, "13579135");
                     },
                     [&] { return view().passwordEdit()->text().toStdString(); });

            // Read From Radio goes on only when the field holds what the radio holds.
            const struct {
                const char* radioHolds;
                const char* typed;
            } reads[] = {{"123456", ""}, {"123456", "123455"}, {"123456", "123456"}, {"", "999999"}};
            for (const auto& r : reads)
                scenario(id,
                         std::string("Read From Radio: the radio holds [") + r.radioHolds + "], the field ["
                             + r.typed + "]",
                         [&] {
                             radio().memory() = withChannel2Moved(e, window->document().image());
                             radio().setPassword(e, r.radioHolds);
                             QLineEdit* field = view().passwordEdit();
                             field->setFocus();
                             field->selectAll();
                             QTest::keyClicks(field, r.typed);
                             if (!*r.typed)
                                 QTest::keyClick(field, Qt::Key_Delete);
                             WindowCloser startAndAnswer(true, true);
                             frame().action(cmd::ReadFromRadio)->trigger();
                             for (const QString& m : startAndAnswer.messages)
                                 notes += "message: " + m.toStdString() + "\n";
                         },
                         [&] { return rowText(2) + " password [" + view().passwordEdit()->text().toStdString() + "]"; });
        }

        // Rows copied and pasted within the program carry every byte of their
        // channel; Delete clears a row.
        const MemoryImage hidden = withHiddenBytesSet(e, sampleCodeplug(e), 1);
        int pastedRow = 0;
        scenario(id, "Ctrl+C on channel 1 (every byte the table does not show set), Ctrl+V on an empty row",
                 [&] {
                     select(1, 1);
                     key(Qt::Key_C, Qt::ControlModifier);
                     pastedRow = emptyRow();
                     select(pastedRow, 1);
                     key(Qt::Key_V, Qt::ControlModifier);
                 },
                 [&] {
                     const MemoryImage saved = loadSin(path(QString(id) + ".sin").toStdString(), e.imageSize).image.value();
                     return "channel " + std::to_string(pastedRow) + " holds channel 1's bytes: "
                            + (channelBytes(e, saved, pastedRow) == channelBytes(e, saved, 1) ? "yes" : "no");
                 },
                 &hidden);
        scenario(id, "Delete on channel 2",
                 [&] {
                     select(2, 1);
                     key(Qt::Key_Delete);
                 },
                 [&] { return rowText(2); });

        scenario(id, "Import Channels: a CSV with channel 2 moved",
                 [&] {
                     ChannelTable table(e, view().language());
                     table.loadFromImage(withChannel2Moved(e, window->document().image()));
                     std::ofstream(path("list.csv").toStdString(), std::ios::binary) << channelTableCsv(table);
                     dialogs.openNames = {path("list.csv")};
                     frame().action(cmd::ImportChannels)->trigger();
                 },
                 [&] { return rowText(2); });

        scenario(id, "Compare With Radio: a radio with channel 2 moved; the document stays",
                 [&] {
                     radio().memory() = withChannel2Moved(e, window->document().image());
                     WhenModal look([&](QWidget& dialog) {
                         const QString text = nth<QPlainTextEdit>(dialog, 0)->toPlainText();
                         notes += "shown: " + text.section('\n', 0, 3).replace('\n', " / ").toStdString() + "\n";
                         dialog.close();
                     });
                     pressWhenShown();
                     frame().action(cmd::CompareWithRadio)->trigger();
                     EXPECT_TRUE(look.done);
                 },
                 [&] { return rowText(2); });

        scenario(id, "Write To Several Radios: one radio written and verified",
                 [&] {
                     radio().memory() = newDocumentImage(e);
                     WhenModal log([&](QWidget& dialog) {
                         auto& d = dynamic_cast<FleetLogDlg&>(dialog);
                         QTest::mouseClick(d.writeNextButton(), Qt::LeftButton);
                         notes += "logged: " + d.log()->item(0, 2)->text().toStdString() + "\n";
                         dialog.close();
                     });
                     frame().action(cmd::WriteToSeveral)->trigger();
                     EXPECT_TRUE(log.done);
                     const std::size_t sent = writtenBytes(e);
                     EXPECT_TRUE(std::equal(radio().memory().raw().begin(), radio().memory().raw().begin() + sent,
                                            window->document().image().raw().begin()));
                 },
                 [] { return std::string("-"); });
    }
    expectGolden("qt", "user_scenarios", out);
}

} // namespace
