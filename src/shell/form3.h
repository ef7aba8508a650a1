#pragma once
// The title screen: shown modally at start-up for three seconds, counted from
// its creation, or until the user closes it; its closing shows the main window.
#include <QDialog>

class QTimer;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget *mainWindow);

    void Timer1Timer();
    void FormClose();

    QTimer *Timer1 = nullptr;

protected:
    void done(int result) override;

private:
    QWidget *mainWindow_;
    bool closed_ = false;
};
