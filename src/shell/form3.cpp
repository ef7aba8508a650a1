#include "form3.h"

#include "platform/widgets.h"

#include <QTimer>

using namespace larendo::platform;

namespace {
constexpr int kWidth = 612;
constexpr int kHeight = 655;
} // namespace

TForm3::TForm3(QWidget *mainWindow) : QDialog(nullptr), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Титульный лист"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kWidth, kHeight);
    setBackground(this, colors::SkyBlue);
    setFont(formFont("Times New Roman", 16, true));

    struct Line {
        const char *name;
        int y;
        const char *text;
        int px;
        QColor color;
    };
    const Line lines[] = {
        {"Label6", 8, "Государственный педагогический университет", 19, colors::Black},
        {"Label7", 32, "Кафедра математики и методики её преподавания", 19, colors::Black},
        {"Label4", 232, "Электронное учебное издание", 21, colors::Black},
        {"Label1", 266, "Ларендо", 32, colors::Red},
        {"Label3", 312, "Автор материалов: преподаватель кафедры, кандидат педагогических наук", 16, colors::Blue},
        {"Label2", 336, "Разработчик программы: инженер-программист учебного центра", 16, colors::Blue},
        {"Label5", 368, "Для магистрантов специальности «Математика»", 16, colors::Black},
        {"Label8", 632, "Издательский центр университета, 2026", 16, colors::Black},
    };
    for (const Line &l : lines) {
        QLabel *label = makeLabel(this, l.name, QString::fromUtf8(l.text), formFont("Times New Roman", l.px, true),
                                  l.color, 0, l.y, kWidth, l.px + 8);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    makePicture(this, "Image1", ":/images/emblem.png", (kWidth - 105) / 2, 56, 105, 105);
    makePicture(this, "Image2", ":/images/title.png", (kWidth - 345) / 2, 400, 345, 193);

    centreOnScreen(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    connect(Timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);
    Timer1->start();
}

void TForm3::Timer1Timer() { close(); }

void TForm3::FormClose()
{
    Timer1->stop(); // after the title screen the timer has no further effect
    mainWindow_->show();
}

void TForm3::done(int result)
{
    // Every way of closing (timer, close button, Esc) passes here once.
    if (!closed_) {
        closed_ = true;
        FormClose();
    }
    QDialog::done(result);
}
