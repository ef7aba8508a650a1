#include "authorwindow.h"

#include "platform/widgets.h"

using namespace larendo::platform;

TForm5::TForm5(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Об авторе"));
    setGeometry(265, 236, 589, 439);
    setBackground(this, colors::GradientActiveCaption);

    makePicture(this, "Image2", ":/images/author.png", 8, 8, 185, 193);
    makePicture(this, "Image1", ":/images/developer.png", 376, 208, 201, 193);

    const QFont font = formFont("Times New Roman", 19, true);
    auto text = [&](const char *name, const char *line, const QColor &color, int x, int y) {
        QLabel *label = makeLabel(this, name, QString::fromUtf8(line), font, color, x, y, 370, 48);
        label->setWordWrap(true);
    };
    text("Label1", "Автор материалов:", colors::Red, 208, 16);
    text("Label2", "преподаватель, кандидат педагогических наук, доцент", colors::Black, 208, 56);
    text("Label3", "кафедра математики и методики её преподавания", colors::Black, 208, 110);
    text("Label4", "Разработчик программы:", colors::Blue, 8, 216);
    text("Label5", "инженер-программист учебного центра", colors::Black, 8, 256);
    text("Label6", "кафедра информационных технологий", colors::Black, 8, 310);
    makeLabel(this, "Label7", QStringLiteral("Учебный центр кафедры, 2026 год"), formFont("Times New Roman", 16, true),
              colors::Black, 8, 395, 360, 22);
}
