#pragma once
// "Об авторе": a modeless window with fixed texts; only ever one.
#include <QWidget>

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);
};
