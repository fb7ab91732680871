// The key-assignment radios' window: the data password on the form, and
// reading a protected radio.
#include "window_fixture.h"

using namespace tolvan;

// The password a file holds is shown, a typed one is a change that is saved,
// and a protected radio is read only with its password.
TEST_F(WindowTest, TheDataPasswordOfTheFileAndOfAProtectedRadio)
{
    for (const char* id : {"cps-keys", "cps-keys-cn"}) {
        SCOPED_TRACE(id);
        const Edition& e = *findEdition(id);
        MemoryImage image = newDocumentImage(e);
        image.write(0, std::vector<std::uint8_t>{'2', '4', 0xFF, '6', 0xFF, 0xFF});
        writeFile("protected.sin", image);
        auto w = start(id);
        CMainFrame& frame = w->frame();
        QLineEdit* password = frame.view().passwordEdit();
        ASSERT_NE(password, nullptr);
        ASSERT_TRUE(frame.openFile(path("protected.sin")));
        EXPECT_EQ(password->text(), "246");
        EXPECT_FALSE(w->document().isModified());
        password->setFocus();
        password->selectAll();
        QTest::keyClicks(password, "13579135");
        EXPECT_EQ(password->text(), "135791") << "six characters at most";
        EXPECT_TRUE(w->document().isModified());
        dialogs.saveNames.push_back(path("saved.sin"));
        ASSERT_TRUE(frame.fileSaveAs());
        EXPECT_EQ(hexBytes(loadSin(path("saved.sin").toStdString(), 7).image.value().raw()), "31 33 35 37 39 31 FF");

        VirtualRadio& radio = this->radio();
        radio.memory() = sampleCodeplug(e);
        radio.setPassword(e, "123456");
        frame.show();

        for (const auto& [typed, reads] : {std::pair{"", false}, std::pair{"123455", false}, std::pair{"123456", true}}) {
            SCOPED_TRACE(typed);
            password->clear();
            QTest::keyClicks(password, typed);
            w->document().setModified(false);
            WindowCloser driver(true, true);
            EXPECT_EQ(frame.view().readFromRadio(), reads);
            EXPECT_EQ(driver.messages.contains("Password incorrect"), !reads);
            EXPECT_EQ(frame.view().grid()->textMatrix(1, 1).isEmpty(), !reads) << "the table changes only when read";
            EXPECT_EQ(w->document().isModified(), reads);
            EXPECT_TRUE(password->isEnabled());
        }
        EXPECT_EQ(password->text(), "123456") << "the radio's password, as read";
        EXPECT_EQ(radio.blocksRead(), 2 + 2 + 128);
    }
    auto other = start("cps16");
    EXPECT_EQ(other->frame().view().passwordEdit(), nullptr);
}
