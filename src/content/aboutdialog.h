#pragma once
// "О программе": a modal dialog with fixed texts and the course folder in use;
// "Закрыть" is its default button.
#include <QDialog>

class QLabel;
class QPushButton;

class TOKRightDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOKRightDlg(QWidget *parent = nullptr);
    void OKBtnClick();
    // Names the course folder the program works in.
    void showCourseFolder(const QString &folder);

    QPushButton *OKBtn = nullptr;
    QLabel *CourseFolderLabel = nullptr;
};
