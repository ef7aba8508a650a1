#pragma once
// The authoring window: builds an encrypted test file from a plain-text
// question list. Borderless, centred, shown modally by the main window.
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;

namespace larendo::platform {
class ClickableLineEdit;
}

class TForm2 : public QDialog {
    Q_OBJECT
public:
    // *savedDirectory keeps the current directory while the window is open.
    explicit TForm2(QString *savedDirectory, QWidget *parent = nullptr);

    void FormShow();
    void Edit10Click();
    void Button1Click();
    void Button2Click();
    void Button3Click(); // "Выбрать файл…": the source's dialog, from the keyboard too
    void Button4Click(); // "Поместить в курс…"
    void Button5Click(); // "Открыть тест…"
    void FormClose();

    QFrame *Panel1 = nullptr;
    QLineEdit *Edit9 = nullptr;
    larendo::platform::ClickableLineEdit *Edit10 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QPushButton *Button5 = nullptr;
    QComboBox *ComboBox1 = nullptr; // the course's test number for Button4
    QLabel *Label1 = nullptr;
    QLineEdit *Record[9] = {}; // [1] ... [8]: the hidden Edit1 ... Edit8

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    QString *savedDirectory_;
    QString lastBuilt_; // full path of the test file the last build wrote
};
