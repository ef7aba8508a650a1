#include "support/gui.h"

#include "content/contenttable.h"
#include "platform/widgets.h"
#include "shell/form3.h"
#include "shell/viewtable.h"

#include <algorithm>
#include <vector>

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QWebEnginePage>
#include <QWebEngineView>

using larendo::shell::ViewSwitch;

namespace {

const char *const kPanels[] = {"Panel1", "Panel2", "Panel3", "Panel4", "Panel6", "Panel7"};

// What each view change shows and hides, as each is documented; panels a row
// does not name keep their flag.
struct ExpectedSwitch {
    ViewSwitch trigger;
    std::vector<const char *> shown;
    std::vector<const char *> hidden;
};

const ExpectedSwitch kExpectedSwitches[] = {
    {ViewSwitch::FormShow, {"Panel4"}, {"Panel1", "Panel2", "Panel3", "Panel6"}},
    {ViewSwitch::Document, {"Panel1"}, {"Panel2", "Panel3", "Panel4", "Panel6"}},
    {ViewSwitch::MenuBackN17, {"Panel1"}, {"Panel7"}},
    {ViewSwitch::SignedIn, {"Panel1"}, {"Panel2", "Panel3", "Panel4", "Panel6"}},
    {ViewSwitch::BackToSignIn, {"Panel4"}, {}},
    {ViewSwitch::TestStart, {"Panel3"}, {"Panel1", "Panel2", "Panel4", "Panel6"}},
    {ViewSwitch::Progress, {"Panel2"}, {"Panel1", "Panel3", "Panel4"}},
    {ViewSwitch::ProgressBack, {"Panel1"}, {"Panel2", "Panel3", "Panel4", "Panel6"}},
    {ViewSwitch::TestLog, {"Panel6"}, {"Panel1", "Panel2", "Panel3", "Panel4"}},
    {ViewSwitch::TestLogBack, {"Panel1"}, {"Panel2", "Panel3", "Panel4", "Panel6"}},
    {ViewSwitch::Settings, {"Panel7"}, {"Panel1", "Panel2", "Panel3", "Panel4", "Panel6"}},
    {ViewSwitch::SettingsBack, {"Panel1"}, {"Panel7"}},
    {ViewSwitch::SignOut, {"Panel4"}, {"Panel1", "Panel2", "Panel3", "Panel6", "Panel7"}}, // the sign-in view alone, as at start
};

const ExpectedSwitch &expectedSwitch(ViewSwitch trigger)
{
    for (const ExpectedSwitch &row : kExpectedSwitches) {
        if (row.trigger == trigger)
            return row;
    }
    ADD_FAILURE() << "no expected row for trigger " << int(trigger);
    return kExpectedSwitches[0];
}

// The flag a panel should have after a row ran on a panel whose flag was before.
bool flagAfter(const ExpectedSwitch &row, const char *panel, bool before)
{
    const auto named = [&](const std::vector<const char *> &panels) {
        return std::any_of(panels.begin(), panels.end(), [&](const char *p) { return qstrcmp(p, panel) == 0; });
    };
    return named(row.shown) ? true : named(row.hidden) ? false : before;
}

// The browser commits a navigation asynchronously: wait until it shows the path.
QString browserPathAfterLoad(QWebEngineView *browser, const QString &expected)
{
    (void)QTest::qWaitFor([&] { return browser->url().toLocalFile() == expected; }, 10000);
    return browser->url().toLocalFile();
}

// A one-page PDF document.
const QByteArray kSmallPdf = "%PDF-1.4\n"
                             "1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
                             "2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n"
                             "3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 200 200]>>endobj\n"
                             "trailer<</Root 1 0 R>>\n%%EOF\n";

} // namespace

class Shell : public GuiTest {};

TEST_F(Shell, StartsWithTheSignInViewAndTheOpenMenus)
{
    start();
    EXPECT_EQ(frontView(), QStringLiteral("Panel4"));
    EXPECT_EQ(visibleMenu(), (QStringList{QStringLiteral("Методические материалы"), QStringLiteral("Презентации"),
                                          QStringLiteral("Книги"), QStringLiteral("На форму авторизации"),
                                          QStringLiteral("Помощь"), QStringLiteral("Выход")}));
    EXPECT_TRUE(shown("Panel4"));
    for (const char *p : {"Panel1", "Panel2", "Panel3", "Panel6", "Panel7"})
        EXPECT_FALSE(shown(p)) << p;
    EXPECT_EQ(control<QLineEdit>("Edit3")->text(), QStringLiteral("admin"));
    EXPECT_EQ(control<QLineEdit>("Edit6")->text(), QStringLiteral("log.txt"));
    EXPECT_TRUE(messages.empty());
    // Every submenu item carries a picture.
    for (QAction *top : form1->menuBar()->actions()) {
        if (!top->menu())
            continue;
        for (QAction *sub : top->menu()->actions())
            EXPECT_FALSE(sub->icon().isNull()) << sub->objectName().toStdString();
    }
}

TEST_F(Shell, EachViewChangeSetsOnlyThePanelsItNames)
{
    start();
    const bool mixes[][6] = {{true, false, true, false, true, false}, {false, true, false, true, false, true},
                             {true, true, true, true, true, true}, {false, false, false, false, false, false}};
    for (const ExpectedSwitch &row : kExpectedSwitches) {
        for (const auto &mix : mixes) {
            for (int i = 0; i < 6; ++i)
                control<QFrame>(kPanels[i])->setVisible(mix[i]);
            form1->switchViews(row.trigger);
            for (int i = 0; i < 6; ++i)
                EXPECT_EQ(shown(kPanels[i]), flagAfter(row, kPanels[i], mix[i])) << "row " << int(row.trigger) << " " << kPanels[i];
        }
    }
}

// Handlers reached from the menu and the views' buttons, each against its row.
TEST_F(Shell, HandlersSwitchViewsByTheirRow)
{
    start();
    struct Case {
        const char *name;
        std::function<void()> act;
        ViewSwitch row;
    };
    const Case cases[] = {
        {"document", [&] { trigger("N13"); }, ViewSwitch::Document},
        {"help", [&] { trigger("N27"); }, ViewSwitch::Document},
        {"N17", [&] { trigger("N17"); }, ViewSwitch::MenuBackN17},
        {"sign-in-form", [&] { trigger("NaFormuAvtorizazii"); }, ViewSwitch::BackToSignIn},
        {"settings", [&] { trigger("Ntun"); }, ViewSwitch::Settings},
        {"settings-back", [&] { click("SpeedButton6"); }, ViewSwitch::SettingsBack},
        {"log-back", [&] { click("SpeedButton5"); }, ViewSwitch::TestLogBack},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (bool start : {true, false}) {
            for (const char *p : kPanels)
                control<QFrame>(p)->setVisible(start);
            c.act();
            const ExpectedSwitch &row = expectedSwitch(c.row);
            for (const char *p : kPanels)
                EXPECT_EQ(shown(p), flagAfter(row, p, start)) << p;
        }
    }
}

TEST_F(Shell, SettingsViewStaysInFrontOfDocuments)
{
    start();
    trigger("Ntun");
    trigger("N13");
    EXPECT_EQ(frontView(), QStringLiteral("Panel7"));
    click("SpeedButton6");
    EXPECT_EQ(frontView(), QStringLiteral("Panel1"));
    // Before sign-in a document hides the sign-in view; the menu item brings it back in front.
    trigger("NaFormuAvtorizazii");
    EXPECT_EQ(frontView(), QStringLiteral("Panel4"));
    EXPECT_TRUE(shown("Panel1"));
}

// Each document item asks the browser for its file, found on disk whatever the
// letter case; the address is taken as the window sends it, not after a load.
TEST_F(Shell, EveryContentItemAsksForItsFileWhateverItsCase)
{
    // The course folder's names differ in letter case from the table.
    ASSERT_TRUE(QDir().rename(path(QStringLiteral("data")), path(QStringLiteral("DATA"))));
    QFile::remove(path(QStringLiteral("DATA/help/sod.htm")));
    QStringList onDisk;
    for (const larendo::content::DocumentItem &d : larendo::content::documentItems()) {
        QString relative = QString::fromLatin1(d.target).mid(1).replace(u'\\', u'/');
        QStringList parts = relative.split(u'/');
        parts[0] = parts[0].toUpper();     // DATA
        parts.last() = parts.last().toUpper(); // SOD.HTM
        relative = parts.join(u'/');
        writeFile(relative, "<html><body>page</body></html>");
        onDisk.append(relative);
    }
    start();
    std::vector<QUrl> requested;
    form1->setNavigator([&](const QUrl &url) { requested.push_back(url); });
    int i = 0;
    for (const larendo::content::DocumentItem &d : larendo::content::documentItems()) {
        SCOPED_TRACE(d.item);
        requested.clear();
        control<QFrame>("Panel6")->setVisible(true);
        trigger(d.item);
        ASSERT_EQ(requested.size(), 1u);
        EXPECT_EQ(requested[0].toLocalFile().toStdString(), path(onDisk[i++]).toStdString());
        EXPECT_TRUE(shown("Panel1"));
        EXPECT_FALSE(shown("Panel6"));
    }
    for (const larendo::content::PresentationItem &p : larendo::content::presentationItems()) {
        const QByteArray frontBefore = frontView().toLatin1();
        trigger(p.item);
        EXPECT_EQ(frontView().toLatin1(), frontBefore);
    }
    ASSERT_EQ(startedPrograms.size(), 3u);
    EXPECT_EQ(startedPrograms[2], ansi("C:\\Program Files (x86)\\Microsoft Office\\Office14\\POWERPNT.EXE /s "
                                       "Data\\prezent\\Методология научного исследования.pps"));
}

// The engine shows a PDF document of the menu with its own viewer.
TEST_F(Shell, PdfDocumentLoadsInTheBrowser)
{
    writeFile(QStringLiteral("data/info/nwpi293.pdf"), kSmallPdf);
    start();
    auto *browser = form1->WebBrowser1;
    QSignalSpy loaded(browser, &QWebEngineView::loadFinished);
    trigger("N28");
    const QString expected = path(QStringLiteral("data/info/nwpi293.pdf"));
    // The start page's load, cut short by this one, may report first.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !loaded.isEmpty() && loaded.last().at(0).toBool(); }, 10000));
    EXPECT_EQ(browser->url().toLocalFile().toStdString(), expected.toStdString());
    ASSERT_FALSE(loaded.isEmpty());
    EXPECT_TRUE(loaded.last().at(0).toBool());
}

// The browser is drawn through GL: it is in the window only while its view is in
// front, so the other views repaint plainly; its page stays loaded meanwhile.
TEST_F(Shell, BrowserLeavesTheWindowForTheViewsWithATextCursor)
{
    start();
    form1->setNavigator([](const QUrl &) {});
    const auto inWindow = [&] { return form1->WebBrowser1->parent() == form1->Panel1 && !form1->WebBrowser1->isHidden(); };
    EXPECT_FALSE(inWindow());
    trigger("N13");
    EXPECT_TRUE(inWindow());
    trigger("Ntun");
    EXPECT_FALSE(inWindow());
    click("SpeedButton6");
    EXPECT_TRUE(inWindow());
    trigger("NaFormuAvtorizazii"); // in front of the content view, which stays shown behind it
    EXPECT_FALSE(inWindow());
    EXPECT_TRUE(shown("Panel1"));
    QTest::qWait(0); // the window's new native window
    EXPECT_TRUE(form1->isVisible());
    EXPECT_EQ(frontView(), QStringLiteral("Panel4"));
}

TEST_F(Shell, StartPageIsLoadedAtCreation)
{
    start();
    const QString expected = path(QStringLiteral("data/help/sod.htm"));
    EXPECT_EQ(browserPathAfterLoad(form1->WebBrowser1, expected).toStdString(), expected.toStdString());
}

TEST_F(Shell, ExitAndCloseButtonAskTheSameQuestion)
{
    start();
    answers = {larendo::platform::MessageAnswer::Cancel, larendo::platform::MessageAnswer::Cancel};
    trigger("Ne");
    form1->close();
    ASSERT_EQ(messages.size(), 2u);
    for (const larendo::platform::Message &m : messages) {
        EXPECT_EQ(m.text, QStringLiteral("Вы действительно хотите выйти из программы?"));
        EXPECT_EQ(m.kind, larendo::platform::MessageKind::Warning);
        EXPECT_EQ(m.buttons, larendo::platform::MessageButtons::OkCancel);
    }
    EXPECT_TRUE(form1->isVisible());
    EXPECT_EQ(frontView(), QStringLiteral("Panel4"));
    form1->close(); // OK this time
    EXPECT_FALSE(form1->isVisible());
}

TEST_F(Shell, MissingUserListIsEmptyUnreadableOneStopsTheShowHandler)
{
    start();
    EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 0);
    EXPECT_TRUE(messages.empty());
    QDir().mkdir(path(QStringLiteral("users"))); // exists, cannot be read as a file
    start();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, larendo::platform::MessageKind::Error);
    EXPECT_EQ(messages[0].caption, larendo::platform::kApplicationTitle);
    EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(path(QStringLiteral("users")))));
    EXPECT_TRUE(messages[0].text.endsWith(u'.'));
    EXPECT_TRUE(control<QLineEdit>("Edit3")->text().isEmpty()); // the settings were not read
    EXPECT_EQ(frontView(), QStringLiteral("Panel4"));
}

TEST_F(Shell, UserListIsReadAtTheFirstShowingOnly)
{
    writeFile(QStringLiteral("users"), ansi("Иванов\r\nПетров\rСидоров"));
    start();
    auto *combo = control<QComboBox>("ComboBox1");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(2), QStringLiteral("Сидоров"));
    writeFile(QStringLiteral("users"), "one\r\n");
    form1->hide();
    form1->show();
    EXPECT_EQ(combo->count(), 3);
}

TEST_F(Shell, MissingSettingsFileIsReportedAfterTheSignInViewIsReady)
{
    QFile::remove(path(QStringLiteral("data/info/tumb.db")));
    start();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("File not found."));
    EXPECT_FALSE(form1->runState().AdminSettingsRead);
    EXPECT_EQ(frontView(), QStringLiteral("Panel4"));
    EXPECT_FALSE(item("N0")->isVisible());
}

TEST_F(Shell, ResizingKeepsTheTestViewSize)
{
    start();
    form1->resize(1200, 900);
    QCoreApplication::processEvents();
    const QSize client = form1->centralWidget()->size();
    for (const char *p : {"Panel1", "Panel2", "Panel4", "Panel6", "Panel7"})
        EXPECT_EQ(control<QFrame>(p)->size(), client) << p;
    EXPECT_EQ(control<QFrame>("Panel3")->size(), QSize(921, 737));
}

TEST_F(Shell, TitleScreenShowsTheMainWindowWhenItCloses)
{
    for (bool byUser : {false, true}) {
        SCOPED_TRACE(byUser ? "user" : "timer");
        form1 = std::make_unique<TForm1>();
        TForm3 title(form1.get());
        QTimer::singleShot(0, &title, [&] {
            EXPECT_TRUE(title.isVisible());
            EXPECT_FALSE(form1->isVisible());
            if (byUser)
                title.close();
        });
        QElapsedTimer clock;
        clock.start();
        title.exec();
        EXPECT_TRUE(form1->isVisible());
        EXPECT_FALSE(title.isVisible());
        if (byUser)
            EXPECT_LT(clock.elapsed(), 2500);
        else
            EXPECT_GE(clock.elapsed(), 2500);
        EXPECT_EQ(frontView(), QStringLiteral("Panel4")); // FormShow has run
    }
}

TEST_F(Shell, InformationWindows)
{
    start();
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, about.get(), [&] {
            EXPECT_TRUE(about->isModal() && about->isVisible());
            EXPECT_EQ(about->windowTitle(), QStringLiteral("О программе"));
            QTest::keyClick(about.get(), Qt::Key_Return); // "Закрыть" is the default button
        });
        trigger("N26");
        EXPECT_FALSE(about->isVisible());
    }
    trigger("N15");
    trigger("N15");
    EXPECT_TRUE(form5->isVisible());
    EXPECT_EQ(QApplication::topLevelWidgets().count(form5.get()), 1);
    trigger("N13"); // the main window keeps working
    EXPECT_TRUE(shown("Panel1"));
    form1->close();
    EXPECT_FALSE(form5->isVisible());
}

TEST_F(Shell, AboutDialogNamesTheCourseFolderInUse)
{
    start();
    auto *line = about->findChild<QLabel *>(QStringLiteral("Label6"));
    ASSERT_NE(line, nullptr);
    about->showCourseFolder(dir());
    EXPECT_EQ(line->text(), QStringLiteral("Папка курса: ") + dir());
    // A path too long for the line is shortened in the middle; the tooltip holds it whole.
    const QString deep = dir() + QStringLiteral("/курсы/") + QString(120, u'к') + QStringLiteral("/course");
    about->showCourseFolder(deep);
    EXPECT_EQ(line->toolTip(), QStringLiteral("Папка курса: ") + deep);
    EXPECT_TRUE(line->text().startsWith(QStringLiteral("Папка курса: ")));
    EXPECT_TRUE(line->text().endsWith(QStringLiteral("/course")));
    EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width());
}

TEST_F(Shell, TheBrowserSpeaksRussian)
{
    EXPECT_EQ(QLocale().language(), QLocale::Russian); // the engine's locale: its error pages
    larendo::platform::installRussianTexts();
    start();
    auto *browser = form1->WebBrowser1;
    EXPECT_EQ(browser->pageAction(QWebEnginePage::Copy)->text().toStdString(), "Копировать");
    EXPECT_EQ(browser->pageAction(QWebEnginePage::Back)->text().toStdString(), "Назад");
    for (QTranslator *texts : QCoreApplication::instance()->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(texts);
        delete texts;
    }
}

TEST(ProgramStart, FindsTheDocumentOfACommandLine)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"C:\\Program Files (x86)\\Office\\POWERPNT.EXE /s Data\\prezent\\634570.pps", "Data\\prezent\\634570.pps"},
        {ansi("C:\\P\\X.EXE /s Data\\prezent\\Методология научного исследования.pps"),
         ansi("Data\\prezent\\Методология научного исследования.pps")},
        {"notepad.exe", ""},   // no switch, no document
        {"x.exe /s", ""},
    };
    for (const auto &[line, document] : cases) {
        SCOPED_TRACE(line.constData());
        EXPECT_EQ(larendo::platform::documentOfCommandLine(line), document);
    }
}

// The real program start, with a stand-in presentation program on the PATH.
class RealProgramStart : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        larendo::platform::setProgramStarter({});
        writeFile(QStringLiteral("data/Prezent/X.pps"), "slides");
        const QByteArray recorder = "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$LARENDO_ARGS\"\n";
        for (const QString &program : {QStringLiteral("bin/libreoffice"), QStringLiteral("tools/show.sh")}) {
            writeFile(program, recorder);
            QFile::setPermissions(path(program), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        oldPath_ = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(path(QStringLiteral("bin"))) + ':' + oldPath_);
        qputenv("LARENDO_ARGS", QFile::encodeName(path(QStringLiteral("args.txt"))));
    }
    void TearDown() override
    {
        qputenv("PATH", oldPath_);
        qunsetenv("LARENDO_ARGS");
        GuiTest::TearDown();
    }
    QStringList recordedArgs(int waitMs)
    {
        (void)QTest::qWaitFor([&] { return !readFile(QStringLiteral("args.txt")).isEmpty(); }, waitMs);
        return QString::fromUtf8(readFile(QStringLiteral("args.txt"))).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QByteArray oldPath_;
};

TEST_F(RealProgramStart, MissingProgramOpensTheFileInShowMode)
{
    larendo::platform::startProgram("C:\\Program Files (x86)\\Office14\\POWERPNT.EXE /s Data\\prezent\\x.pps");
    EXPECT_EQ(recordedArgs(10000), (QStringList{QStringLiteral("--show"), path(QStringLiteral("data/Prezent/X.pps"))}));
}

TEST_F(RealProgramStart, ANamedProgramThatExistsGetsTheRestOfTheLine)
{
    larendo::platform::startProgram("tools\\show.sh /s Data\\prezent\\x.pps");
    EXPECT_EQ(recordedArgs(10000), (QStringList{QStringLiteral("/s"), QStringLiteral("Data\\prezent\\x.pps")}));
}

TEST_F(RealProgramStart, NothingToShowIsSilent)
{
    larendo::platform::startProgram("C:\\Office\\POWERPNT.EXE /s Data\\prezent\\missing.pps");
    EXPECT_TRUE(recordedArgs(500).isEmpty());
    EXPECT_TRUE(messages.empty());
}
