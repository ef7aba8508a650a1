#include "support/gui.h"

#include <QAbstractButton>
#include <QDir>
#include <QFrame>
#include <QMenuBar>
#include <QTest>

void GuiTest::SetUp()
{
    InTempDir::SetUp();
    writeCourse();
    larendo::platform::setMessageHandler([this](QWidget *, const larendo::platform::Message &m) {
        messages.push_back(m);
        if (answers.empty())
            return larendo::platform::MessageAnswer::Ok;
        const larendo::platform::MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    });
    larendo::platform::setFileDialogHandler([this](QWidget *) -> std::optional<QString> {
        if (dialogAnswers.empty())
            return std::nullopt;
        // Copied out as a plain string: copying the optional itself trips a false warning of GCC 12.
        const bool chosen = dialogAnswers.front().has_value();
        const QString path = dialogAnswers.front().value_or(QString());
        dialogAnswers.pop_front();
        return chosen ? std::optional<QString>(path) : std::nullopt;
    });
    larendo::platform::setProgramStarter([this](const QByteArray &line) { startedPrograms.push_back(line); });
}

void GuiTest::TearDown()
{
    form5.reset();
    about.reset();
    form2.reset();
    form1.reset();
    larendo::platform::setMessageHandler({});
    larendo::platform::setFileDialogHandler({});
    larendo::platform::setProgramStarter({});
    InTempDir::TearDown();
}

void GuiTest::writeCourse()
{
    writeFile(QStringLiteral("data/info/tumb.db"), "admin|secret|log.txt\r\n");
    writeFile(QStringLiteral("data/help/sod.htm"), "<html><body>start</body></html>");
}

void GuiTest::start()
{
    form5.reset(); // the secondary windows belong to the main window they were made for
    about.reset();
    form2.reset();
    form1.reset();
    larendo::shell::ProgramWindows windows = larendo::shell::createWindows(QDir::currentPath());
    form1 = std::move(windows.form1);
    form2 = std::move(windows.form2);
    about = std::move(windows.about);
    form5 = std::move(windows.form5);
    form1->show();
}

QAction *GuiTest::item(const char *name) const { return form1->menuItem(name); }

void GuiTest::trigger(const char *name) const
{
    QAction *action = item(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
}

void GuiTest::click(const char *name) const
{
    auto *button = control<QAbstractButton>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

bool GuiTest::shown(const char *panel) const { return !control<QFrame>(panel)->isHidden(); }

QString GuiTest::frontView() const
{
    // Back to front: the last visible one is in front.
    QString front;
    for (const char *p : {"Panel2", "Panel3", "Panel1", "Panel6", "Panel7", "Panel4"}) {
        if (shown(p))
            front = QString::fromLatin1(p);
    }
    return front;
}

QStringList GuiTest::visibleMenu() const
{
    QStringList captions;
    for (QAction *a : form1->menuBar()->actions()) {
        if (a->isVisible())
            captions.append(a->text());
    }
    return captions;
}
