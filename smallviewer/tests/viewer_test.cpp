#include <QAction>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <filesystem>

#include "corax32.h"
#include "texts.h"
#include "viewer_fixture.h"

using brisk::ViewerWindow;
using Command = platform::ui::Command;

namespace {

std::string list_call() { return "List|" + std::to_string(sizeof(ArchiveRequest)) + "|0|(null)|(null)"; }

}  // namespace

TEST_F(ViewerTest, OpensTheArchiveOfTheCommandLineSizedToItsRows) {
    const std::string path = archive("three.lzh", {"A.TXT", "B.ZIP", "NOEXT"});
    auto w = window_on(path);
    EXPECT_EQ(w->archive(), path);
    EXPECT_EQ(w->windowTitle(), QString::fromStdString("Small archiv viewer [" + path + "]"));
    ASSERT_EQ(w->pane()->list()->count(), 3);
    EXPECT_TRUE(w->pane()->list()->item(1)->text().startsWith("B.ZIP\t1234\t567"));
    EXPECT_EQ(module_calls(), (std::vector<std::string>{list_call()}));
    // Client area: the heading row plus three rows plus the list's border.
    const int border = w->pane()->list()->frameWidth();
    EXPECT_EQ(w->pane()->size(), QSize(w->pane()->columns()[6] + 2 * border,
                                       4 * w->pane()->line_height() + 2 * border));
    EXPECT_EQ(w->pane()->list()->verticalScrollBar()->maximum(), 0);  // every row shows
}

TEST_F(ViewerTest, ALongListingScrollsInsteadOfGrowingPastTheScreen) {
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i) names.push_back("MEMBER" + std::to_string(i) + ".TXT");
    auto w = window_on(archive("long.lzh", names));
    ASSERT_EQ(w->pane()->list()->count(), 300);
    const QRect available = w->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(w->frameGeometry()))
        << "window " << w->frameGeometry().x() << "," << w->frameGeometry().y() << " " << w->frameGeometry().width() << "x"
        << w->frameGeometry().height() << " screen " << available.width() << "x" << available.height();
    EXPECT_GT(w->pane()->list()->verticalScrollBar()->maximum(), 0);
    // The scroll bar takes no room from the columns.
    EXPECT_GE(w->pane()->list()->viewport()->width(), w->pane()->columns()[6]);
}

TEST_F(ViewerTest, ListingRowsSplitAtRunsOfLineBreaksAndLongRowsStayWhole) {
    const std::string long_name(400, 'N');
    const std::string path = dir.file("odd.lzh", "A\t1\t\r\n\r\n\nB\t2\t\r" + long_name + ".TXT\t3\t\n");
    auto w = window_on(path);
    ASSERT_EQ(w->pane()->list()->count(), 3);
    EXPECT_EQ(w->pane()->list()->item(2)->text().toStdString(), long_name + ".TXT\t3\t");
    // The whole name is the member a view asks for.
    select_row(*w, 2);
    w->run_command(brisk::kCmdView);
    ASSERT_EQ(module_calls().size(), 2u);
    EXPECT_EQ(module_calls()[1], "Extract|4|512|" + long_name + ".TXT|" + temp_dir());
}

TEST_F(ViewerTest, AFailedListIsShownAndChangesNothing) {
    const std::string first = archive("first.lzh", {"A.TXT"});
    auto w = window_on(first);
    const QString title = w->windowTitle();
    setenv("BRISK_FAKE_RESULT", "2021", 1);
    w->open_archive(archive("second.lzh", {"B.TXT", "C.TXT"}));
    unsetenv("BRISK_FAKE_RESULT");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "CORAX Problem");
    EXPECT_EQ(boxes[0].text, "Broken Archiv");
    EXPECT_EQ(boxes[0].owner, static_cast<HWND>(w.get()));
    EXPECT_EQ(boxes[0].style, MB_ICONHAND);
    EXPECT_EQ(w->windowTitle(), title);
    EXPECT_EQ(w->archive(), first);
    EXPECT_EQ(w->pane()->list()->count(), 1);
}

TEST_F(ViewerTest, ViewWithoutSelectionDoesNothing) {
    auto w = window_on(archive("a.lzh", {"A.TXT", "B.TXT"}));
    w->pane()->list()->clearSelection();
    w->run_command(brisk::kCmdView);
    EXPECT_EQ(module_calls().size(), 1u);  // the list only
    EXPECT_TRUE(launcher->runs.empty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ViewerTest, ViewedMembersGoToTheRightProgram) {
    std::string zoo_viewer = xdg.program("zooview");
    std::string pad = xdg.program("pad");
    xdg.application("share/applications", "zooview.desktop", "zooview --open %f");
    xdg.application("share/applications", "pad.desktop", "pad %U");
    xdg.write("config/mimeapps.list",
              "[Default Applications]\napplication/x-zoo=zooview.desktop\ntext/plain=pad.desktop\n"
              "application/zip=zooview.desktop\n");
    const std::vector<std::string> members = {"INNER.ZIP", "inner.arj", "PETS.ZOO", "NOTES.DAT", "A.B.TAR", "README.TXT"};
    auto w = window_on(archive("mixed.lzh", members));
    const std::string t = temp_dir();
    struct Case { int row; Command command; };
    const Case cases[] = {
        {0, {BRISK32_PROGRAM, t + "/INNER.ZIP"}},      // archives open in a second viewer
        {1, {BRISK32_PROGRAM, t + "/inner.arj"}},
        {2, {zoo_viewer, "--open", t + "/PETS.ZOO"}},  // .ZOO goes to its program
        {3, {pad, t + "/NOTES.DAT"}},                  // no association: NOTEPAD
        {4, {BRISK32_PROGRAM, t + "/A.B.TAR"}},
        {5, {pad, t + "/README.TXT"}},
    };
    for (const Case& c : cases) {
        launcher->runs.clear();
        select_row(*w, c.row);
        w->run_command(brisk::kCmdView);
        ASSERT_EQ(launcher->runs.size(), 1u) << members[c.row];
        EXPECT_EQ(launcher->runs[0], c.command) << members[c.row];
        EXPECT_TRUE(platform::file_exists(t + "/" + members[c.row])) << members[c.row];
        EXPECT_FALSE(w->busy());
    }
    const std::vector<std::string> calls = module_calls();
    ASSERT_EQ(calls.size(), 1 + members.size());
    EXPECT_EQ(calls[3], "Extract|4|512|PETS.ZOO|" + t);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ViewerTest, DoubleClickViews) {
    auto w = window_on(archive("a.lzh", {"A.ZIP"}));
    select_row(*w, 0);
    emit w->pane()->list()->doubleClicked(w->pane()->list()->model()->index(0, 0));
    ASSERT_EQ(launcher->runs.size(), 1u);
    EXPECT_EQ(launcher->runs[0], (Command{BRISK32_PROGRAM, temp_dir() + "/A.ZIP"}));
}

TEST_F(ViewerTest, AProgramThatCannotStartIsReported) {
    auto w = window_on(archive("a.lzh", {"NOTES.DAT", "B.ZIP"}));
    select_row(*w, 0);  // no association, no NOTEPAD
    w->run_command(brisk::kCmdView);
    EXPECT_TRUE(launcher->runs.empty());
    launcher->can_start = false;
    select_row(*w, 1);
    w->run_command(brisk::kCmdView);
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.text, "CreateProcess Failed");
        EXPECT_EQ(box.caption, "error");
        EXPECT_EQ(box.style & MB_ICONMASK, MB_ICONHAND);
    }
}

TEST_F(ViewerTest, AFailedExtractIsShownAndLaunchesNothing) {
    auto w = window_on(archive("a.lzh", {"A.ZIP"}));
    select_row(*w, 0);
    setenv("BRISK_FAKE_RESULT", "2024", 1);
    w->run_command(brisk::kCmdView);
    unsetenv("BRISK_FAKE_RESULT");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "CRC Error");
    EXPECT_TRUE(launcher->runs.empty());
    EXPECT_FALSE(w->busy());
}

TEST_F(ViewerTest, LaunchedProgramsGetThePathAsOneArgument) {
    // The real launcher, a temporary directory with a blank in its path and
    // NOTEPAD from the fake tree.
    xdg.program("pad");
    xdg.application("share/applications", "pad.desktop", "pad %f");
    xdg.write("config/mimeapps.list", "[Default Applications]\ntext/plain=pad.desktop\n");
    const std::string path = archive("a.lzh", {"MY NOTES.TXT"});
    brisk::ViewerServices services{brisk::system_launcher(), BRISK32_PROGRAM, {}};
    ViewerWindow w(std::move(services), path);
    w.pane()->list()->setCurrentRow(0);
    w.run_command(brisk::kCmdView);
    EXPECT_EQ(xdg.runs("pad"), (std::vector<std::string>{"1|" + temp_dir() + "/MY NOTES.TXT"}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ViewerTest, DeleteAsksFirstAndOnlyYesDeletes) {
    struct Case { int answer; bool deleted; };
    const Case cases[] = {{IDNO, false}, {IDCANCEL, false}, {IDYES, true}};
    for (const Case& c : cases) {
        const std::string path = archive("d.lzh", {"KEEP.TXT", "GONE.TXT"});
        const std::string before = file_text(path);
        std::filesystem::remove(dir.path() + "module.log");
        boxes.clear();
        auto w = window_on(path);
        select_row(*w, 1);
        answers = {c.answer};
        w->run_command(brisk::kCmdDelete);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Are you shure you want to Delete the selected File from the Archiv?");
        EXPECT_EQ(boxes[0].caption, "Security");
        EXPECT_EQ(boxes[0].style, MB_YESNOCANCEL | MB_ICONQUESTION);
        EXPECT_EQ(boxes[0].owner, static_cast<HWND>(w.get()));
        if (c.deleted) {
            EXPECT_EQ(module_calls().back(), "Delete|4|512|GONE.TXT|(null)");
            ASSERT_EQ(w->pane()->list()->count(), 1);
            EXPECT_TRUE(w->pane()->list()->item(0)->text().startsWith("KEEP.TXT\t"));
        } else {
            EXPECT_EQ(module_calls().size(), 1u) << c.answer;
            EXPECT_EQ(file_text(path), before);
            EXPECT_EQ(w->pane()->list()->count(), 2);
        }
    }
}

TEST_F(ViewerTest, DeleteWithoutSelectionAsksNothing) {
    auto w = window_on(archive("d.lzh", {"A.TXT"}));
    w->pane()->list()->clearSelection();
    w->run_command(brisk::kCmdDelete);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(module_calls().size(), 1u);
}

TEST_F(ViewerTest, AFailedDeleteKeepsTheRow) {
    auto w = window_on(archive("d.lzh", {"A.TXT"}));
    select_row(*w, 0);
    answers = {IDYES};
    setenv("BRISK_FAKE_RESULT", "2027", 1);
    w->run_command(brisk::kCmdDelete);
    unsetenv("BRISK_FAKE_RESULT");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "File not found");
    EXPECT_EQ(w->pane()->list()->count(), 1);
}

TEST_F(ViewerTest, DroppedFilesAreAppendedInOneRequestAndListedAgain) {
    const std::string path = archive("drop.lzh", {"OLD.TXT"});
    auto w = window_on(path);
    const std::vector<std::string> files = {dir.file("one.txt"), dir.file("two.c"), dir.file("three.bmp")};
    w->drop_files(platform::ui::FileDrop{files, QPoint(10, 20)});
    const std::vector<std::string> calls = module_calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1], "Append|4|512|" + files[0] + " " + files[1] + " " + files[2] + "|(null)");
    EXPECT_EQ(calls[2], list_call());
    ASSERT_EQ(w->pane()->list()->count(), 4);
    EXPECT_TRUE(w->pane()->list()->item(3)->text().startsWith("three.bmp\t"));
    EXPECT_EQ(w->pane()->size().height(), 5 * w->pane()->line_height() + 2 * w->pane()->list()->frameWidth());
    EXPECT_FALSE(w->busy());
}

TEST_F(ViewerTest, AFailedAppendIsShownAndNotListedAgain) {
    auto w = window_on(archive("drop.lzh", {"OLD.TXT"}));
    setenv("BRISK_FAKE_RESULT", "2023", 1);
    w->drop_files(platform::ui::FileDrop{{dir.file("one.txt")}, QPoint()});
    unsetenv("BRISK_FAKE_RESULT");
    EXPECT_EQ(module_calls().size(), 2u);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Error Occured while Writing, Creating or reading Files");
}

TEST_F(ViewerTest, WhileBusyClosingIsRefusedAndCommandsAreIgnored) {
    auto w = window_on(archive("busy.lzh", {"A.ZIP", "B.TXT"}));
    bool closed_while_busy = true;
    launcher->during_run = [&] {
        EXPECT_TRUE(w->busy());
        closed_while_busy = w->close();
        w->pane()->list()->setCurrentRow(1);
        w->run_command(brisk::kCmdDelete);  // would ask first
        w->run_command(brisk::kCmdView);
        w->drop_files(platform::ui::FileDrop{{dir.file("x.txt")}, QPoint()});
    };
    select_row(*w, 0);
    w->run_command(brisk::kCmdView);
    EXPECT_FALSE(closed_while_busy);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(beeps, 2);  // the refused close and the refused drop
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(launcher->runs.size(), 1u);
    EXPECT_EQ(module_calls().size(), 2u);  // list and the one extract
    EXPECT_FALSE(w->busy());
    EXPECT_TRUE(w->close());
}

TEST_F(ViewerTest, OpenNewOffersToCreateAMissingArchive) {
    const std::string existing = archive("e.lzh", {"A.TXT"});
    auto w = window_on(existing);
    const QString title = w->windowTitle();
    chosen_name = dir.path() + "new.lzh";
    answers = {IDNO};
    w->run_command(brisk::kCmdOpen);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Archiv does not exist. Create it?");
    EXPECT_EQ(boxes[0].caption, "Warning");
    EXPECT_EQ(boxes[0].style, MB_YESNO);
    EXPECT_EQ(w->archive(), existing);
    EXPECT_EQ(w->pane()->list()->count(), 1);
    answers = {IDYES};
    w->run_command(brisk::kCmdOpen);
    EXPECT_EQ(w->archive(), *chosen_name);
    EXPECT_EQ(w->pane()->list()->count(), 0);
    EXPECT_EQ(w->windowTitle(), title);
    // An existing archive is opened.
    chosen_name = archive("other.lzh", {"X.TXT", "Y.TXT"});
    w->run_command(brisk::kCmdOpen);
    EXPECT_EQ(w->archive(), *chosen_name);
    EXPECT_EQ(w->pane()->list()->count(), 2);
    EXPECT_EQ(boxes.size(), 2u);
    // A cancelled dialog changes nothing.
    chosen_name.reset();
    w->run_command(brisk::kCmdOpen);
    EXPECT_EQ(w->pane()->list()->count(), 2);
}

TEST_F(ViewerTest, FileManagerStartsOnTheCurrentFolder) {
    auto w = window_on(archive("a.lzh", {"A.TXT"}));
    w->run_command(brisk::kCmdFileManager);
    EXPECT_TRUE(launcher->started.empty());
    ASSERT_EQ(boxes.size(), 1u);  // none installed
    EXPECT_EQ(boxes[0].text, "CreateProcess Failed");
    std::string files = xdg.program("files");
    xdg.application("share/applications", "files.desktop", "files %U");
    xdg.write("config/mimeapps.list", "[Default Applications]\ninode/directory=files.desktop\n");
    w->run_command(brisk::kCmdFileManager);
    EXPECT_EQ(launcher->started, (std::vector<Command>{{files, platform::current_directory()}}));
}

TEST_F(ViewerTest, MenuItemsKeysAndCommands) {
    auto w = window_on(archive("a.lzh", {"A.TXT"}));
    using K = QKeySequence;
    struct Case { int command; const char* text; QList<K> keys; };
    const Case cases[] = {
        {1002, "&Open/New\tCtrl-O", {K(Qt::CTRL | Qt::Key_O), K(Qt::Key_F3)}},
        {1003, "&Print\tCtrl-P", {K(Qt::CTRL | Qt::Key_P)}},
        {1006, "&Exit\tAlt-F4", {}},
        {1005, "&View File\tReturn", {K(Qt::Key_Return), K(Qt::Key_Enter), K(Qt::Key_Space)}},
        {1004, "&Delete File\tDel", {K(Qt::Key_Delete)}},
        {1007, "&Launch File-Manager\tF6", {K(Qt::Key_F6)}},
    };
    for (const Case& c : cases) {
        QAction* a = w->action(c.command);
        ASSERT_NE(a, nullptr) << c.command;
        EXPECT_EQ(a->text(), c.text);
        EXPECT_EQ(a->shortcuts(), c.keys) << c.command;
    }
    const QList<QAction*> menus = w->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Edit");
    // Separators after Print and after Delete.
    const QList<QAction*> file = menus[0]->menu()->actions();
    ASSERT_EQ(file.size(), 4);
    EXPECT_TRUE(file[2]->isSeparator());
    const QList<QAction*> edit = menus[1]->menu()->actions();
    ASSERT_EQ(edit.size(), 4);
    EXPECT_TRUE(edit[2]->isSeparator());
    // Exit closes the window once the menu's own work is done.
    w->action(1006)->trigger();
    EXPECT_TRUE(w->isVisible());
    QApplication::processEvents();
    EXPECT_FALSE(w->isVisible());
}
