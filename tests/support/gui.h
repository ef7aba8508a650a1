#pragma once
// GUI tests drive the real windows, created as the program entry creates them,
// in a temporary course folder; message boxes and the file dialog are answered
// by the test through the platform's replaceable functions.
#include "support/tempdir.h"

#include "platform/ui.h"
#include "shell/windows.h"

#include <QAction>
#include <QApplication>

#include <deque>
#include <memory>
#include <vector>

class GuiTest : public InTempDir {
protected:
    void SetUp() override;
    void TearDown() override;

    // A small course: the administrator settings "admin|secret|log.txt" and a start page.
    virtual void writeCourse();
    // Creates the windows in start-up order and shows the main window (its FormShow runs).
    void start();

    QAction *item(const char *name) const;
    void trigger(const char *name) const; // chooses a menu item as a user does
    template <typename T = QWidget>
    T *control(const char *name) const
    {
        return form1->findChild<T *>(QString::fromLatin1(name));
    }
    void click(const char *name) const; // clicks a button of the main window
    bool shown(const char *panel) const; // the panel's own visible flag
    // The frontmost visible view of the main window, as the user sees it.
    QString frontView() const;
    // The captions of the visible top-level menu items, left to right.
    QStringList visibleMenu() const;

    // Messages shown so far; the next answers to give (OK when none is queued).
    std::vector<larendo::platform::Message> messages;
    std::deque<larendo::platform::MessageAnswer> answers;
    std::deque<std::optional<QString>> dialogAnswers;
    std::vector<QByteArray> startedPrograms;

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TOKRightDlg> about;
    std::unique_ptr<TForm5> form5;
};
