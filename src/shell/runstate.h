#pragma once
// The run state of the main window: zero or empty at creation, kept for the
// life of the window. Texts are Windows-1251 bytes, as they are in the files.
#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

namespace larendo::shell {

struct RunState {
    QByteArray CurrentUser;               // name of the signed-in user, as typed
    QByteArray CurrentTest;               // name of the test being taken, test1 ... test10
    std::array<std::uint8_t, 13> Grades{}; // index 1 to 12: grade per test; [0] unused
    std::uint8_t UnlockState = 0;          // the value handed to enable
    QString SavedDirectory;                // current directory kept while the authoring window is open
    int Tag = 0;                           // number of the question on screen
    bool SignedIn = false;                 // gates the grade save on close
    bool SignedInAsAdmin = false;          // the administrator has no grades: nothing is saved on close

    // Administrator settings, read once at start-up.
    QByteArray AdminLogin;
    QByteArray AdminPassword;
    QByteArray TestLogPath;
    bool AdminSettingsRead = false;        // without them nobody signs in as administrator

    // The running test.
    int CorrectCount = 0;
    int QuestionTotal = 0;
    int GradeValue = 0;
    double ScorePercent = 0;
    QByteArray ChosenAnswer;               // "RadioButton1" ... "RadioButton5"
    QList<int> WrongQuestions;             // numbers of the questions answered wrongly, for the result
};

} // namespace larendo::shell
