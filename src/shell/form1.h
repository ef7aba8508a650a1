#pragma once
// The main window: six views laid over one another, the main menu, the run
// state. Handlers switch views and call the rooms' logic; they run under the
// default error handler, so no error crosses the event loop.
#include "menutable.h"
#include "runstate.h"
#include "viewtable.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QToolButton;
class QUrl;
class QWebEngineView;
class TForm2;
class TGradeSheet;
class TOKRightDlg;
class TForm5;

namespace larendo::content {
struct DocumentItem;
struct PresentationItem;
} // namespace larendo::content

namespace larendo::platform {
class DblClickRadioButton;
class LineView;
}

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The windows created after this one (start-up order).
    void setSecondaryWindows(TForm2 *authoring, TOKRightDlg *about, TForm5 *author);

    larendo::shell::RunState &runState() { return state_; }
    const larendo::shell::RunState &runState() const { return state_; }

    // The menu item of that object name (exact), or nullptr.
    QAction *menuItem(const char *name) const;

    // Enables or disables what passing the named test unlocks.
    void enable(const QByteArray &name, bool value);

    // How an address reaches the browser; tests record it instead of loading it.
    void setNavigator(std::function<void(const QUrl &)> navigator);

    // Sets the flags of the views one row of the view table names.
    void switchViews(larendo::shell::ViewSwitch trigger);

    // Handlers of the window itself.
    void FormCreate();
    void FormShow();
    void NeClick();
    bool FormCloseQuery();
    void FormClose();
    void ReadAdminSettings();

    // Course content.
    void openDocument(const larendo::content::DocumentItem &item);
    void startPresentation(const larendo::content::PresentationItem &item);
    void N26Click();
    void N15Click();

    // Sign-in view.
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void NaFormuAvtorizaziiClick();
    void NSmenaClick();

    // Tests and progress.
    void testClick(const QByteArray &itemName);
    void Button2Click();
    void RadioButtonDblClick(int number);
    void RadioButton6DblClick();
    void NiClick();
    void ComboBox1Select();
    void SpeedButton4Click();

    // Administration.
    void NtunClick();
    void SpeedButton6Click();
    void N17Click();
    void SpeedButton7Click();
    void N30Click();
    void SpeedButton5Click();
    void nredClick();
    void NvedClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void connectMenuItem(QAction *action, const larendo::shell::MenuEntry &entry);
    void fitMenuToWidth();
    void buildViews();
    void buildProgressView();
    void buildTestView();
    void buildContentView();
    void buildTestLogView();
    void buildSettingsView();
    void buildSignInView();
    void layoutViews();
    QFrame *panel(larendo::shell::View view) const;
    void setMenuVisible(const char *name, bool visible);
    QFrame *frontPanel() const;
    void followFrontView();
    void scrollTo(QWidget *control);
    void placeBrowser(bool inWindow);

public:
    // Controls the handlers work on, named as in the forms.
    QFrame *Panel1 = nullptr, *Panel2 = nullptr, *Panel3 = nullptr, *Panel4 = nullptr, *Panel5 = nullptr,
           *Panel6 = nullptr, *Panel7 = nullptr;
    QWebEngineView *WebBrowser1 = nullptr;
    QLineEdit *Edit2 = nullptr, *MaskEdit1 = nullptr;
    QLineEdit *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr, *Edit6 = nullptr;
    QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr, *SpeedButton4 = nullptr,
                *SpeedButton5 = nullptr, *SpeedButton6 = nullptr, *SpeedButton7 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label49 = nullptr; // "Вопрос N из M" of the test view
    QLabel *GradeLabels[13] = {}; // [1] ... [12]: Label18 ... Label29
    QPlainTextEdit *Memo1 = nullptr;
    larendo::platform::LineView *Memo2 = nullptr;
    larendo::platform::DblClickRadioButton *RadioButtons[7] = {}; // [1] ... [6]: RadioButton1 ... RadioButton6
    QPushButton *Button2 = nullptr;

private:
    // Helpers of the sign-in handlers (form1_signin.cpp).
    // -- sign-in additions: begin
    void refreshUserList(const QList<QByteArray> &names);
    void setRoleMenu(bool administrator);
    void signOut();
    // -- sign-in additions: end

    // Helpers of the test-run and progress handlers (form1_testing.cpp).
    bool testRunning_ = false; // a run is on screen, between its start and its grading
    bool testViewInFront() const;
    QByteArray currentTestFile() const;
    void showQuestion(int number);
    void showGrades();
    void gradeRun();
    void abandonRun();
    void tellResult();
    bool answerKey(QKeyEvent *event);

    // Helpers of the administration handlers (form1_admin.cpp).
    TGradeSheet *gradeSheet_ = nullptr; // made at its first opening, kept afterwards

    larendo::shell::RunState state_;
    bool shownOnce_ = false;
    TForm2 *form2_ = nullptr;
    TOKRightDlg *aboutDialog_ = nullptr;
    TForm5 *form5_ = nullptr;
    QWidget *client_ = nullptr;
    QScrollArea *scroller_ = nullptr; // scrolls client_ in a window smaller than the views' layout
    QMetaObject::Connection focusFollower_;
    std::function<void(const QUrl &)> navigator_;
};
