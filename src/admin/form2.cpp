#include "form2.h"

#include "admin/authoring.h"
#include "platform/ui.h"
#include "platform/widgets.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

using namespace larendo;

using namespace larendo::platform;

namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 300;
constexpr int kMargin = 24;

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QFont &font, int x, int y,
                        int w)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, y, w, 40);
    button->setFont(font);
    button->setAutoDefault(false); // Enter in a field must not start a build
    return button;
}

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
    Edit9->setText(admin::kTestNamePrompt);
    Edit9->setGeometry(kMargin, 24, kWidth - 2 * kMargin, 32);
    Edit9->setFont(font);
    Edit10 = new ClickableLineEdit(Panel1);
    Edit10->setObjectName(QStringLiteral("Edit10"));
    Edit10->setText(admin::kSourcePrompt);
    Edit10->setGeometry(kMargin, 72, kWidth - 2 * kMargin - 182, 32);
    Edit10->setFont(font);
    onSignal(Edit10, &ClickableLineEdit::clicked, this, [this] { Edit10Click(); });
    Button3 = makeButton(Panel1, "Button3", QStringLiteral("Выбрать файл…"), font, kWidth - kMargin - 170, 68, 170);
    onSignal(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    Button1 = makeButton(Panel1, "Button1", QStringLiteral("Зашифровать вопросы"), font, kMargin, 124, 250);
    onSignal(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    Button5 = makeButton(Panel1, "Button5", QStringLiteral("Открыть тест…"), font, kWidth - kMargin - 200, 124, 200);
    onSignal(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });

    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (int n = 1; n <= admin::kCourseTests; ++n)
        ComboBox1->addItem(QStringLiteral("Тестирование №%1").arg(n));
    ComboBox1->setGeometry(kMargin, 180, 250, 40);
    ComboBox1->setFont(font);
    Button4 = makeButton(Panel1, "Button4", QStringLiteral("Поместить в курс…"), font, kMargin + 262, 180, 220);
    Button4->setEnabled(false); // until a build has written a test
    onSignal(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });

    Label1 = makeLabel(Panel1, "Label1", QStringLiteral("Номера вопросов"), font, colors::Black, kMargin, 244, 400, 28);
    Button2 = makeButton(Panel1, "Button2", QStringLiteral("Выход"), font, kWidth - kMargin - 150, 238, 150);
    onSignal(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

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

void TForm2::Button3Click() { Edit10Click(); }

void TForm2::Button1Click()
{
    using namespace larendo::admin;
    const auto confirm = [this](const QString &file) {
        const Message ask{MessageKind::Warning, QStringLiteral("Warning"),
                          QStringLiteral("Файл теста \"%1\" уже существует. Записать новый тест в этот файл?")
                              .arg(QDir::toNativeSeparators(file)),
                          MessageButtons::OkCancel};
        return showMessage(this, ask) == MessageAnswer::Ok;
    };
    const AuthoringResult r = buildTest(Edit9->text(), Edit10->text(), confirm);
    switch (r.outcome) {
    case BuildOutcome::BadName:
        showBox(this, MessageKind::Warning, kTestNamePrompt);
        return;
    case BuildOutcome::Refused:
        showBox(this, MessageKind::Error, refusalText(r.build));
        return;
    case BuildOutcome::Cancelled:
        return;
    case BuildOutcome::Built:
        Label1->setText(QStringLiteral("Вопрос №%1").arg(r.build.questionCount));
        lastBuilt_ = r.testFile;
        Button4->setEnabled(true);
        if (const int n = admin::courseTestNumber(Edit9->text()))
            ComboBox1->setCurrentIndex(n - 1);
        showBox(this, MessageKind::Information,
                builtText(r) + QStringLiteral("\n\nЧтобы тест появился в учебнике, нажмите «Поместить в курс…»."));
        return;
    }
}

void TForm2::Button4Click()
{
    using namespace larendo::admin;
    const int number = ComboBox1->currentIndex() + 1;
    const QString target = QDir::toNativeSeparators(courseTestPath(*savedDirectory_, number));
    if (QFileInfo::exists(target)) {
        const Message ask{MessageKind::Warning, QStringLiteral("Warning"),
                          QStringLiteral("В курсе уже есть тест №%1:\n%2\nЗаменить его? Прежний файл останется рядом "
                                         "под именем test%1.ini.bak.")
                              .arg(number)
                              .arg(target),
                          MessageButtons::OkCancel};
        if (showMessage(this, ask) != MessageAnswer::Ok)
            return;
    }
    installTest(lastBuilt_, *savedDirectory_, number);
    showBox(this, MessageKind::Information,
            QStringLiteral("Тест помещен в курс:\n%1\nЕго открывает пункт меню «Тестирование №%2».").arg(target).arg(number));
}

void TForm2::Button5Click()
{
    using namespace larendo::admin;
    const std::optional<QString> test =
        chooseFile(this, {FileDialogKind::Open, QStringLiteral("Открыть тест"),
                          courseTestFolder(*savedDirectory_),
                          QStringLiteral("Файлы тестов (*.ini);;Все файлы (*)")});
    if (!test)
        return;
    const QFileInfo testInfo(*test);
    const std::optional<QString> text = chooseFile(
        this, {FileDialogKind::Save, QStringLiteral("Сохранить исходный текст теста"),
               QDir(QDir::currentPath()).filePath(testInfo.completeBaseName() + QStringLiteral(".txt")),
               QStringLiteral("Текстовые файлы (*.txt);;Все файлы (*)")});
    if (!text)
        return;
    const OpenedTest opened = writeSourceOfTest(*test, *text);
    // The text is ready to be edited and built again under the test's name.
    Edit10->setText(*text);
    if (isPlainTestName(testInfo.completeBaseName()))
        Edit9->setText(testInfo.completeBaseName());
    QString message = QStringLiteral("Исходный текст теста записан в файл:\n%1\nВопросов: %2.\nИсправьте его в "
                                     "текстовом редакторе и нажмите «Зашифровать вопросы».")
                          .arg(QDir::toNativeSeparators(*text))
                          .arg(opened.questionCount);
    if (!opened.notes.isEmpty())
        message += QStringLiteral("\n\nПри сборке изменится:\n") + opened.notes.join(u'\n');
    showBox(this, opened.notes.isEmpty() ? MessageKind::Information : MessageKind::Warning, message);
}

void TForm2::Button2Click() { close(); }

void TForm2::FormClose() { QDir::setCurrent(*savedDirectory_); } // a failure is ignored

void TForm2::done(int result)
{
    FormClose();
    QDialog::done(result);
}
