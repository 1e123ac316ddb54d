#include <QCoreApplication>
#include <QPointer>

#include <algorithm>

#include "core/input/names_save.h"
#include "ui/cities_window.h"
#include "ui/names_save_command.h"
#include "ui/names_window.h"
#include "ui/unsaved_changes.h"
#include "window_fixture.h"

namespace helion::test {
namespace {

constexpr const char* kPeople = "Ann,07 Mar 1952,10.30,A,5,74.00,40.43\r\nBob,01 Jan 1960,1.05,P,-1,-13.24,-42.22\r\n";

class NamesWindowTest : public WindowTest {
protected:
    NamesWindowTest() {
        session.state.settings.dataFile = folder.write("NAMES.FIL", kPeople).string();
        session.chooseFile = [this](const QString&, const std::filesystem::path& current) {
            offered = current;
            return choice;
        };
    }
    ui::NamesWindow& names() { return ui::NamesWindow::open(session); }
    QListWidget* list(QWidget& window, const char* name) { return control<QListWidget>(window, name); }
    QString natalText(const char* box) { return control(*natal, box)->text(); }
    void save(const std::string& name) {
        InputWindowTexts texts = natal->texts();
        texts.name = name;
        natal->setTexts(texts);
        control<QPushButton>(*natal, "cmdSave")->click();
    }

    std::optional<std::filesystem::path> choice;
    std::filesystem::path offered;
};

// Each way a save ends: refused for a comma, a cancelled choice, a new file not wanted, a file
// that is not a names list (or no file at all); else the new name appended, or a name on file
// (the core decides which match) replaced on Yes and kept beside the new record on No.
TEST_F(NamesWindowTest, SaveWritesOnlyWhatItMayAndBacksUpTheOldFile) {
    const auto file = folder.path() / "NAMES.FIL";
    const std::string ann = "Ann,07 Mar 1952,10.30,A,5,74.00,40.43\r\n";
    const struct {
        const char* name;
        std::optional<std::filesystem::path> choice;
        std::string before;
        bool yes;
        std::string after;  // empty: nothing written
        std::string shown;  // the one box's text or caption
    } rows[] = {
        {"Ann, Jr.", file, kPeople, true, "", kNameCommaText},
        {"Cy", std::nullopt, kPeople, true, "", ""},
        {"Cy", folder.path() / "NEW.FIL", kPeople, false, "", createNamesFileQuestion(folder.path() / "NEW.FIL").text},
        {"Cy", file, ann + "Broken,1\r\n", true, "", kNamesFileErrorText},
        {"Cy", folder.path() / "DIR.FIL", kPeople, true, "", kNamesFileErrorText},
        {"Cy", file, kPeople, false, std::string(kPeople) + "Cy,07 Mar 1952,10.30,A,5,74.00,40.43\r\n", ""},
        {"bOB", file, kPeople, true, ann + "bOB,07 Mar 1952,10.30,A,5,74.00,40.43\r\n", "bOB already exists"},
        {"Ann", file, kPeople, false, std::string(kPeople) + ann, "Ann already exists"},
    };
    std::filesystem::create_directory(folder.path() / "DIR.FIL");  // a folder in the file's place
    ui::NamesWindow& window = names();
    window.pick(0);  // Ann's data in the natal window
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        folder.write("NAMES.FIL", row.before);
        std::filesystem::remove(folder.path() / "NAMES.OLD");
        boxes.shown.clear();
        boxes.answerYes = row.yes;
        choice = row.choice;
        save(row.name);
        const bool saved = !row.after.empty();
        EXPECT_EQ(folder.read("NAMES.FIL"), saved ? row.after : row.before);
        EXPECT_EQ(folder.read("NAMES.OLD"), saved ? kPeople : "<missing>");
        ASSERT_EQ(boxes.shown.size(), row.shown.empty() ? 0u : 1u);
        if (!row.shown.empty()) {
            EXPECT_TRUE(boxes.shown[0].text == row.shown || boxes.shown[0].caption == row.shown);
        }
        if (!saved) continue;
        EXPECT_EQ(list(window, "NamesOnFile")->count(), std::ranges::count(row.after, '\n'));  // listed at once
        EXPECT_EQ(control<QLabel>(*natal, "lblSaveStatus")->text(), QString("Saved %1 into NAMES.FIL").arg(row.name));
    }
    EXPECT_EQ(offered, file);
}

TEST_F(NamesWindowTest, ListsTheNamesAndAClickFillsTheNatalOrTheSecondPersonsWindow) {
    ui::NamesWindow& window = names();
    EXPECT_EQ(control<QLabel>(window, "lblNamesOnFile")->text(), "NAMES.FIL");
    window.pick(1);
    EXPECT_EQ(natalText("txtName"), "Bob");

    control<QCheckBox>(*diurnal, "chk2ndPerson")->click();
    window.pick(0);
    EXPECT_EQ(natalText("txtName"), "Bob");
    EXPECT_EQ(control(*diurnal, "txtDiurnalYear")->text(), "1952");
    EXPECT_EQ(control<QCheckBox>(*diurnal, "chk2ndPerson")->text(), "Ann");
}

TEST_F(NamesWindowTest, ALockedEntryIsSelectedAgainUntilAPersonIsSaved) {
    ui::NamesWindow& window = names();
    QListWidget* people = list(window, "NamesOnFile");
    people->setCurrentRow(1);
    control<QCheckBox>(window, "Check1")->click();
    people->setCurrentRow(0);
    window.fillList();
    EXPECT_EQ(people->currentRow(), 1);
    folder.write("NAMES.FIL", "Ann,07 Mar 1952,10.30,A,5,74.00,40.43\r\n");
    window.fillList();
    EXPECT_EQ(people->currentRow(), 0) << "lowered to the last entry";
    session.namesList.changed = true;
    people->setCurrentRow(0);
    window.fillList();
    EXPECT_EQ(people->currentRow(), -1);
    session.namesList.locked = false;  // as another Names window leaves it
    window.fillList();
    EXPECT_FALSE(control<QCheckBox>(window, "Check1")->isChecked());
}

TEST_F(NamesWindowTest, CitiesFillTheNatalWindowAndTheDiurnalFollowsIt) {
    session.state.settings.geoDataFile =
        folder.write("TEST.LL", "Boston,MA,071W04,42N21,5\r\nBoston,MA,001E00,01N01,1\r\nBad,X,7W,42N21,5\r\n")
            .string();
    control<QPushButton>(names(), "Command1")->click();
    ASSERT_TRUE(session.windows.find<ui::CitiesWindow>());
    ui::CitiesWindow& cities = *session.windows.find<ui::CitiesWindow>();
    control<QCheckBox>(*diurnal, "chkNatOrNow")->click();

    cities.pick(1);  // the second Boston gives the first one's data
    EXPECT_EQ(natalText("txtLongDeg"), "71");
    EXPECT_EQ(control(*diurnal, "txtDiurnalLongDeg")->text(), "71");

    boxes.shown.clear();
    cities.pick(2);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{kCityFormatErrorText});
    EXPECT_EQ(natalText("txtLongDeg"), "71");
}

// Change List in the Names and the Cities windows: a file that cannot be read to its end
// keeps the entries before the fault (the readers' rules are the core's).
TEST_F(NamesWindowTest, ChangeListTakesAnotherFileAndKeepsTheEntriesBeforeAFault) {
    const struct {
        std::string file;
        const char* content;  // nullptr: no such file
        int listed;
    } rows[] = {
        {"A.FIL", "Ann,07 Mar 1952,10.30,A,5,74.00,40.43\r\nBroken,1\r\n", 1},
        {"A.LL", "Boston,MA,071W04,42N21,5\r\nBroken,MA\r\nSalem,MA,070W54,42N31,5\r\n", 1},
        {"C.LL", nullptr, 0},
    };
    ui::NamesWindow& namesWindow = names();
    ui::CitiesWindow& citiesWindow = ui::CitiesWindow::open(session);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const bool cities = row.file.ends_with(".LL");
        if (row.content) folder.write(row.file, row.content);
        choice = folder.path() / row.file;
        boxes.shown.clear();
        QWidget& window = cities ? static_cast<QWidget&>(citiesWindow) : namesWindow;
        control<QPushButton>(window, "cmdNewFileList")->click();
        EXPECT_EQ(list(window, cities ? "CitiesOnFile" : "NamesOnFile")->count(), row.listed);
        EXPECT_EQ(shownTexts(), std::vector<std::string>{cities ? kCitiesFileErrorText : kNamesFileErrorText});
    }
}

// Unsaved text is asked about before the editor closes, also when the program exits; once
// saved, the Names window lists the file again.
TEST_F(NamesWindowTest, EditThisListAsksAboutUnsavedTextAndListsTheSavedFile) {
    ui::NamesWindow& window = names();
    control<QPushButton>(window, "cmdEditList")->click();
    QPointer<QWidget> editor = window.findChild<QWidget*>("NameEdit");
    ASSERT_TRUE(editor);
    editor->show();
    auto* text = control<QPlainTextEdit>(*editor, "txtContent");
    EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::NoWrap);  // wrapped, a long record would read as two
    text->selectAll();
    text->insertPlainText("Zed,07 Mar 1952,10.30,A,5,74.00,40.43\n");
    boxes.answers = {ui::Answer::Cancel, ui::Answer::Cancel};
    EXPECT_FALSE(editor->close());
    EXPECT_FALSE(ui::closeEditorsBeforeExit());
    EXPECT_EQ(folder.read("NAMES.FIL"), kPeople);
    control<QPushButton>(*editor, "btnSave")->click();
    EXPECT_EQ(folder.read("NAMES.FIL"), "Zed,07 Mar 1952,10.30,A,5,74.00,40.43\r\n");
    EXPECT_EQ(list(window, "NamesOnFile")->item(0)->text(), "Zed");
    EXPECT_TRUE(editor->close());  // saved: no question
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(editor);
}

}  // namespace
}  // namespace helion::test
