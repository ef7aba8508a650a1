#include "form2.h"

#include "admin/authoring.h"
#include "platform/ui.h"
#include "platform/widgets.h"

#include <QDir>
#include <QPushButton>

using namespace platform;

namespace {
constexpr int kWidth = 560;
constexpr int kHeight = 250;
} // namespace

TForm2::TForm2(QString *savedDirectory, QWidget *parent) : QDialog(parent), savedDirectory_(savedDirectory)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setFixedSize(kWidth, kHeight);
    Panel1 = makePanel(this, "Panel1", colors::SkyBlue);
    Panel1->setGeometry(0, 0, kWidth, kHeight);
    const QFont font = formFont("MS Sans Serif", 16, true);

    Edit9 = new QLineEdit(Panel1);
    Edit9->setObjectName(QStringLiteral("Edit9"));
    Edit9->setText(larendo::admin::kTestNamePrompt);
    Edit9->setGeometry(24, 24, kWidth - 48, 32);
    Edit9->setFont(font);
    Edit10 = new ClickableLineEdit(Panel1);
    Edit10->setObjectName(QStringLiteral("Edit10"));
    Edit10->setText(larendo::admin::kSourcePrompt);
    Edit10->setGeometry(24, 72, kWidth - 48, 32);
    Edit10->setFont(font);
    onSignal(Edit10, &ClickableLineEdit::clicked, this, [this] { Edit10Click(); });

    Button1 = new QPushButton(QStringLiteral("Зашифровать вопросы"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(24, 124, 250, 40);
    Button1->setFont(font);
    Button1->setAutoDefault(false); // Enter in a field must not start a build
    onSignal(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    Button2 = new QPushButton(QStringLiteral("Выход"), Panel1);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(kWidth - 24 - 150, 124, 150, 40);
    Button2->setFont(font);
    Button2->setAutoDefault(false);
    onSignal(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    Label1 = makeLabel(Panel1, "Label1", QStringLiteral("Номера вопросов"), font, colors::Black, 24, 184, kWidth - 48, 28);

    for (int i = 1; i <= 8; ++i) {
        Record[i] = new QLineEdit(Panel1);
        Record[i]->setObjectName(QStringLiteral("Edit%1").arg(i));
        Record[i]->setVisible(false);
    }
}

void TForm2::showEvent(QShowEvent *event)
{
    centreOnScreen(this); // on the screen, not on the main window, wherever that was moved
    QDialog::showEvent(event);
    FormShow();
}

void TForm2::FormShow() { *savedDirectory_ = QDir::currentPath(); }

void TForm2::Edit10Click()
{
    if (const std::optional<QString> chosen = chooseFileToOpen(this))
        Edit10->setText(*chosen);
}

void TForm2::Button1Click()
{
    using namespace larendo::admin;
    const AuthoringResult r = buildTest(Edit9->text(), Edit10->text());
    switch (r.outcome) {
    case BuildOutcome::BadName:
        showBox(this, MessageKind::Warning, kTestNamePrompt);
        return;
    case BuildOutcome::Refused:
        showBox(this, MessageKind::Error, refusalText(r.build));
        return;
    case BuildOutcome::Built:
        Label1->setText(QStringLiteral("Вопрос №%1").arg(r.build.questionCount));
        showBox(this, MessageKind::Information, QStringLiteral("Создание тестов успешно завершено."));
        return;
    }
}

void TForm2::Button2Click() { close(); }

void TForm2::FormClose() { QDir::setCurrent(*savedDirectory_); } // a failure is ignored

void TForm2::done(int result)
{
    FormClose();
    QDialog::done(result);
}
