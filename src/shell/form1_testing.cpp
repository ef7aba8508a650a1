// Handlers of test runs and of the progress view.
#include "form1.h"

#include "access/userregistry.h"
#include "platform/clock.h"
#include "platform/codec.h"
#include "platform/error.h"
#include "platform/ui.h"
#include "platform/widgets.h"
#include "testing/testfile.h"
#include "testing/testrun.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>

using namespace larendo;

// The test view is what the student sees: shown, and no view in front of it shown.
bool TForm1::testViewInFront() const
{
    if (Panel3->isHidden())
        return false;
    for (const QFrame *view : {Panel1, Panel6, Panel7, Panel4}) {
        if (!view->isHidden())
            return false;
    }
    return true;
}

QByteArray TForm1::currentTestFile() const { return quiz::testFileOf(state_.CurrentTest); }

void TForm1::testClick(const QByteArray &itemName)
{
    state_.CurrentTest = itemName;
    Button2Click();
}

void TForm1::Button2Click()
{
    // A test that cannot be taken to its end is not begun: the student keeps the menus.
    if (const QString problem = quiz::startProblem(currentTestFile()); !problem.isEmpty()) {
        platform::reportError(problem);
        return;
    }
    state_.Tag = 1;
    state_.CorrectCount = 0;
    state_.WrongQuestions.clear();
    // The question box takes the test view's colour; its viewport paints the Base role.
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, platform::colors::SkyBlue);
    Memo1->setPalette(palette);
    platform::setBackground(Memo1->viewport(), platform::colors::SkyBlue);
    switchViews(shell::ViewSwitch::TestStart);
    setMenuVisible("Ni", false);
    setMenuVisible("N0", false);
    testRunning_ = true;
    showQuestion(1);
}

void TForm1::showQuestion(int number)
{
    const quiz::Question question = quiz::readQuestion(currentTestFile(), number);
    Memo1->setPlainText(platform::fromAnsi(question.text));
    for (int i = 1; i <= 5; ++i) {
        const QByteArray &answer = question.answers[i - 1];
        RadioButtons[i]->setText(platform::fromAnsi(answer));
        // A question with fewer answers shows neither the button nor the letter of a missing one.
        const bool present = !answer.isEmpty();
        RadioButtons[i]->setVisible(present);
        if (QLabel *letter = Panel5->findChild<QLabel *>(QStringLiteral("Label%1").arg(43 + i)))
            letter->setVisible(present);
        // A mark left from the question before would answer this one by accident.
        RadioButtons[i]->unmark();
    }
    Label49->setText(QStringLiteral("Вопрос %1 из %2").arg(number).arg(quiz::readQuestionTotal(currentTestFile())));
    for (int i = 1; i <= 5; ++i) {
        if (!RadioButtons[i]->isHidden()) {
            RadioButtons[i]->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

// The keys 1 to 5 and A to E answer at once; a key held down answers one question only.
bool TForm1::answerKey(QKeyEvent *event)
{
    if (!testRunning_ || event->isAutoRepeat()
        || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const int number = quiz::answerOfKey(event->key(), event->text());
    if (number == 0 || RadioButtons[number]->isHidden())
        return false;
    platform::guarded([&] { RadioButtonDblClick(number); });
    return true;
}

void TForm1::RadioButtonDblClick(int number)
{
    state_.ChosenAnswer = "RadioButton" + QByteArray::number(number);
    RadioButton6DblClick();
}

void TForm1::RadioButton6DblClick()
{
    if (!testRunning_)
        return; // no run on screen: nothing to answer
    const quiz::AnswerOutcome outcome = quiz::answerStep(currentTestFile(), state_.ChosenAnswer, state_.Tag,
                                                               state_.CorrectCount, state_.QuestionTotal,
                                                               &state_.WrongQuestions);
    if (outcome == quiz::AnswerOutcome::NextQuestion)
        showQuestion(state_.Tag);
    else
        gradeRun();
}

void TForm1::gradeRun()
{
    state_.ScorePercent = quiz::scorePercent(state_.CorrectCount, state_.QuestionTotal);
    state_.GradeValue = quiz::gradeFor(state_.CorrectCount, state_.QuestionTotal);
    const int index = quiz::testIndex(state_.CurrentTest);
    if (index > 0)
        state_.Grades[index] = static_cast<std::uint8_t>(state_.GradeValue);
    // The grade goes to users.ini first; a log or file that fails does not hold the student in the test.
    const quiz::RunRecord record = quiz::recordFinishedRun(state_.CurrentUser, state_.CurrentTest,
                                                                 state_.GradeValue, state_.TestLogPath, platform::now());
    testRunning_ = false;
    tellResult();
    NiClick();
    for (int i = 1; i <= 12; ++i) {
        if (state_.Grades[i] >= 3) {
            state_.UnlockState = 1;
            enable(access::testKey(i), state_.UnlockState != 0);
        }
    }
    if (const QString problem = record.problemText(); !problem.isEmpty())
        platform::showBox(this, platform::MessageKind::Warning, problem);
}

// One box with the count, the share, the grade and the questions gone wrong,
// before the progress view takes over; the correct answers stay unsaid.
void TForm1::tellResult()
{
    const quiz::RunResult result{state_.CurrentTest, state_.CorrectCount, state_.QuestionTotal, state_.GradeValue,
                                    state_.WrongQuestions};
    platform::showMessage(this, {platform::MessageKind::Information, QStringLiteral("Результат тестирования"),
                                 quiz::resultMessage(result), platform::MessageButtons::Ok});
}

void TForm1::abandonRun()
{
    // Nothing is graded, logged or saved; the student may choose a lecture or test again.
    setMenuVisible("N0", true);
    setMenuVisible("Ni", true);
}

void TForm1::showGrades()
{
    for (int k = 1; k <= 12; ++k)
        GradeLabels[k]->setText(QString::number(state_.Grades[k]));
}

void TForm1::NiClick()
{
    switchViews(shell::ViewSwitch::Progress);
    Label5->setText(platform::fromAnsi(state_.CurrentUser));
    showGrades();
}

void TForm1::ComboBox1Select()
{
    access::LoadGrades(platform::toAnsi(ComboBox1->currentText()), state_.Grades);
    showGrades();
}

void TForm1::SpeedButton4Click()
{
    switchViews(shell::ViewSwitch::ProgressBack);
    setMenuVisible("Ni", true);
    setMenuVisible("N0", true);
}
