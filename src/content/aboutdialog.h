#pragma once
// "О программе": a modal dialog with fixed texts; "Закрыть" is its default button.
#include <QDialog>

class QPushButton;

class TOKRightDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOKRightDlg(QWidget *parent = nullptr);
    void OKBtnClick();

    QPushButton *OKBtn = nullptr;
};
