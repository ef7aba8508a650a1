// Every item of the main menu does what its row of the menu table says:
// opens its document, starts its presentation or its test, or runs its handler.
#include "support/gui.h"

#include "access/userregistry.h"
#include "content/contenttable.h"
#include "platform/paths.h"
#include "shell/menutable.h"
#include "testing/testfile.h"

#include <QDialog>
#include <QFrame>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <map>
#include <string>

namespace {

// What each handler's item does, as the user sees it: the view in front
// afterwards, the window it opens (its class; modal ones are closed again),
// or the question it asks (answered Cancel).
struct HandlerEffect {
    const char *frontView; // nullptr: not checked
    const char *window;    // class of the window it opens
    const char *question;  // a part of the question's text, UTF-8
};

} // namespace

class Menu : public GuiTest {
protected:
    // The window made modal by the item, closed at once; its class.
    QString closeModalAfter(const char *name)
    {
        QString opened;
        QTimer::singleShot(0, form1.get(), [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened = QString::fromLatin1(modal->metaObject()->className());
                if (auto *dialog = qobject_cast<QDialog *>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        });
        trigger(name);
        return opened;
    }
};

TEST_F(Menu, EveryItemDoesWhatItsRowSays)
{
    start();
    const std::map<std::string, HandlerEffect> handlers = {
        {"Ni", {"Panel2", nullptr, nullptr}},
        {"N30", {"Panel6", nullptr, nullptr}},
        {"Ntun", {"Panel7", nullptr, nullptr}},
        {"N17", {"Panel1", nullptr, nullptr}}, // from the settings view, back to the browser
        {"NaFormuAvtorizazii", {"Panel4", nullptr, nullptr}},
        {"nred", {nullptr, "TForm2", nullptr}},
        {"Nved", {nullptr, "TGradeSheet", nullptr}},
        {"N26", {nullptr, "TOKRightDlg", nullptr}},
        {"N15", {nullptr, "TForm5", nullptr}},
        {"Ne", {nullptr, nullptr, "выйти из программы"}},
        {"NSmena", {nullptr, nullptr, "Завершить работу пользователя"}},
    };
    int handled = 0;
    for (const larendo::shell::MenuEntry &e : larendo::shell::menuTable()) {
        SCOPED_TRACE(e.name);
        const std::string name = e.name;
        ASSERT_NE(item(e.name), nullptr);
        messages.clear();
        startedPrograms.clear();
        const larendo::shell::MenuAction::Kind &what = e.action.what();
        if (std::holds_alternative<larendo::shell::Document>(what)) {
            trigger(e.name);
            const larendo::content::DocumentItem *doc = larendo::content::findDocument(e.name);
            EXPECT_EQ(form1->WebBrowser1->page()->requestedUrl(), QUrl::fromLocalFile(larendo::content::documentPath(doc->target)));
            EXPECT_TRUE(shown("Panel1"));
        } else if (std::holds_alternative<larendo::shell::Presentation>(what)) {
            trigger(e.name);
            ASSERT_EQ(startedPrograms.size(), 1u);
            EXPECT_EQ(startedPrograms[0], larendo::content::commandLineBytes(*larendo::content::findPresentation(e.name)));
        } else if (const auto *test = std::get_if<larendo::shell::Test>(&what)) {
            trigger(e.name); // the course has no test files: the test names its missing file
            ASSERT_EQ(messages.size(), 1u);
            const QByteArray file = larendo::quiz::testFileOf(larendo::access::testKey(test->number));
            EXPECT_TRUE(messages[0].text.contains(QDir::toNativeSeparators(larendo::platform::dataPath(file))))
                << messages[0].text.toStdString();
        } else if (std::holds_alternative<larendo::shell::MenuHandler>(what)) {
            ASSERT_TRUE(handlers.count(name)) << "no expected effect written for this handler";
            const HandlerEffect &effect = handlers.at(name);
            if (name == "N17")
                trigger("Ntun");
            if (effect.question)
                answers.push_back(larendo::platform::MessageAnswer::Cancel);
            const QString opened = closeModalAfter(e.name);
            if (effect.frontView) {
                EXPECT_EQ(frontView(), QString::fromLatin1(effect.frontView));
            }
            if (effect.window) {
                const bool shownModeless = qstrcmp(effect.window, "TForm5") == 0 && form5->isVisible();
                EXPECT_TRUE(opened == QLatin1String(effect.window) || shownModeless) << opened.toStdString();
                if (shownModeless)
                    form5->hide();
            }
            if (effect.question) {
                ASSERT_EQ(messages.size(), 1u);
                EXPECT_TRUE(messages[0].text.contains(QString::fromUtf8(effect.question))) << messages[0].text.toStdString();
            }
            EXPECT_TRUE(form1->isVisible()); // nothing ended the program
            ++handled;
        }
    }
    EXPECT_EQ(handled, static_cast<int>(handlers.size())); // every expected effect belongs to a row
}
