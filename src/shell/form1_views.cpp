// The six views of the main window, created in their stacking order from back
// to front: the order of creation is the order on screen.
#include "form1.h"

#include "platform/ui.h"
#include "platform/widgets.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>

using namespace larendo::platform;

namespace {

QLineEdit *makeEdit(QWidget *parent, const char *name, int x, int y, int w, int h, const QFont &font,
                    bool password = false)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(x, y, w, h);
    edit->setFont(font);
    if (password)
        showAsStars(edit);
    return edit;
}

} // namespace

void TForm1::buildViews()
{
    // The client area scrolls when the window is smaller than the views' fixed layout.
    scroller_ = new QScrollArea(this);
    scroller_->setObjectName(QStringLiteral("ClientScroller"));
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setFocusPolicy(Qt::NoFocus);
    scroller_->setWidgetResizable(true);
    client_ = new QWidget;
    client_->setObjectName(QStringLiteral("ClientArea"));
    setBackground(client_, colors::BtnFace);
    scroller_->setWidget(client_);
    setCentralWidget(scroller_);
    client_->installEventFilter(this);

    buildProgressView();
    buildTestView();
    buildContentView();
    buildTestLogView();
    buildSettingsView();
    buildSignInView();
    Panel6->setVisible(false);
    Panel7->setVisible(false);

    Button2 = new QPushButton(QStringLiteral("Button2"), client_);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setVisible(false);
    onSignal(Button2, &QAbstractButton::clicked, this, [this] { Button2Click(); });
    layoutViews();
}

void TForm1::buildProgressView()
{
    Panel2 = makePanel(client_, "Panel2", colors::Teal);
    const QFont bold16 = formFont("Times New Roman", 21, true);
    const QFont rowFont = formFont("Times New Roman", 19, true);
    makeLabel(Panel2, "Label3", QStringLiteral("Информация об успеваемости пользователя"),
              formFont("Times New Roman", 29, true), colors::Black, 140, 24);
    makeLabel(Panel2, "Label4", QStringLiteral("Выберите имя пользователя:"), bold16, colors::Black, 60, 90);
    Label5 = makeLabel(Panel2, "Label5", QString(), bold16, colors::Yellow, 360, 90, 420, 28);
    ComboBox1 = new QComboBox(Panel2);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(360, 88, 420, 30);
    ComboBox1->setFont(formFont("MS Sans Serif", 16, true));
    ComboBox1->setVisible(false);
    onSignal(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Select(); });

    makeLabel(Panel2, "Label40", QStringLiteral("№ Теста (Темы)"), bold16, colors::White, 80, 146);
    makeLabel(Panel2, "Label41", QStringLiteral("Оценка"), bold16, colors::White, 300, 146);
    constexpr int kRowTop = 184;
    constexpr int kRowStep = 34;
    for (int k = 1; k <= 12; ++k) {
        const QByteArray caption = "Label" + QByteArray::number(5 + k); // Label6 ... Label17
        const QByteArray grade = "Label" + QByteArray::number(17 + k);                      // Label18 ... Label29
        const int y = kRowTop + (k - 1) * kRowStep;
        QLabel *row = makeLabel(Panel2, caption.constData(), QStringLiteral("Тест №%1").arg(k), rowFont, colors::Black,
                                100, y, 200, 26);
        GradeLabels[k] = makeLabel(Panel2, grade.constData(), QStringLiteral("0"), rowFont, colors::Black, 330, y, 60, 26);
        if (k > 10) { // tests 11 and 12 have rows that are never shown
            row->setVisible(false);
            GradeLabels[k]->setVisible(false);
        }
    }
    QLabel *note = makeLabel(Panel2, "Label35", QStringLiteral("Здесь дана только традиционная оценка!!!!"),
                             formFont("Times New Roman", 37, true), colors::White, 450, 230, 420, 200);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    SpeedButton4 = makeSpeedButton(Panel2, "SpeedButton4", QStringLiteral("<<Назад"), ":/images/btn_back.png",
                                   formFont("MS Sans Serif", 19, true), 100, kRowTop + 10 * kRowStep + 16, 200, 52);
    onSignal(SpeedButton4, &QAbstractButton::clicked, this, [this] { SpeedButton4Click(); });
}

void TForm1::buildTestView()
{
    Panel3 = makePanel(client_, "Panel3", colors::SkyBlue);
    makeLabel(Panel3, "Label39", QStringLiteral("Выделение ответа двойным нажатием клавиш мыши!!!"),
              formFont("Times New Roman", 21, true), colors::Red, 24, 10);
    QLabel *keys = makeLabel(Panel3, "Label50", QStringLiteral("или клавиши 1–5, A–E, Enter"),
                             formFont("Times New Roman", 17, true), colors::Black, 600, 14, 297, 24);
    keys->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel *questionCaption = makeLabel(Panel3, "Label34", QStringLiteral("Вопрос:"),
                                        formFont("Times New Roman", 21, true), colors::Black, 24, 44);
    Label49 = makeLabel(Panel3, "Label49", QString(), formFont("Times New Roman", 21, true), colors::Black, 560, 44,
                        337, 28);
    Label49->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Memo1 = new QPlainTextEdit(Panel3);
    questionCaption->setBuddy(Memo1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setReadOnly(true);
    Memo1->setFont(formFont("Times New Roman", 21, true));
    Memo1->setGeometry(24, 76, 873, 170);
    setBackground(Memo1->viewport(), colors::White);

    Panel5 = makePanel(Panel3, "Panel5", colors::Silver);
    Panel5->setGeometry(16, 258, 889, 463);
    constexpr int kRowHeight = 88;
    const char letters[] = "ABCDE";
    for (int i = 1; i <= 6; ++i) {
        auto *button = new DblClickRadioButton(Panel5);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(i));
        button->setFont(formFont("Times New Roman", 19, true));
        RadioButtons[i] = button;
        if (i == 6) { // the hidden sixth button only carries the answer step
            button->setVisible(false);
            button->setFocusPolicy(Qt::NoFocus);
            onSignal(button, &DblClickRadioButton::doubleClicked, this, [this] { RadioButton6DblClick(); });
            continue;
        }
        const int y = 8 + (i - 1) * (kRowHeight + 2);
        makeLabel(Panel5, QByteArray("Label" + QByteArray::number(43 + i)).constData(), QString(QLatin1Char(letters[i - 1])),
                  formFont("Times New Roman", 27, true), colors::Black, 14, y + (kRowHeight - 32) / 2, 30, 32);
        button->setGeometry(50, y, 825, kRowHeight);
        onSignal(button, &DblClickRadioButton::doubleClicked, this, [this, i] { RadioButtonDblClick(i); });
        onSignal(button, &DblClickRadioButton::chosenByKey, this, [this, i] { RadioButtonDblClick(i); });
    }
    Panel3->installEventFilter(this); // the keys 1 to 5 and A to E answer from anywhere in the view
}

void TForm1::buildContentView()
{
    Panel1 = makePanel(client_, "Panel1", colors::BtnFace);
    (new QVBoxLayout(Panel1))->setContentsMargins(2, 2, 2, 2);
    // The browser stays out of the window, hidden and without a parent, until its
    // view comes in front (placeBrowser); its page loads all the same.
    WebBrowser1 = new QWebEngineView;
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->settings()->setAttribute(QWebEngineSettings::PluginsEnabled, true);
    WebBrowser1->settings()->setAttribute(QWebEngineSettings::PdfViewerEnabled, true);
}

void TForm1::buildTestLogView()
{
    Panel6 = makePanel(client_, "Panel6", colors::BtnFace);
    auto *layout = new QHBoxLayout(Panel6);
    layout->setContentsMargins(8, 8, 8, 8);
    Memo2 = new LineView(Panel6);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setAccessibleName(QStringLiteral("Отчет по проведению тестов"));
    Memo2->setFont(formFont("Courier New", 15));
    layout->addWidget(Memo2, 1);
    SpeedButton5 = makeSpeedButton(Panel6, "SpeedButton5", QStringLiteral("<<Назад"), ":/images/btn_back.png",
                                   formFont("MS Sans Serif", 19, true), 0, 0, 170, 52);
    SpeedButton5->setFixedSize(170, 52);
    layout->addWidget(SpeedButton5, 0, Qt::AlignTop);
    onSignal(SpeedButton5, &QAbstractButton::clicked, this, [this] { SpeedButton5Click(); });
}

void TForm1::buildSettingsView()
{
    Panel7 = makePanel(client_, "Panel7", colors::SkyBlue);
    const QFont caption = formFont("Times New Roman", 21, true);
    const QFont field = formFont("MS Sans Serif", 16, true);
    struct Row {
        const char *label;
        const char *text;
        const char *edit;
        bool password;
    } rows[] = {
        {"Label30", "Введите логин администратора:", "Edit3", false},
        {"Label31", "Введите пароль администратора", "Edit4", true},
        {"Label32", "Введите пароль еще раз:", "Edit5", true},
        {"Label33", "Укажите имя файл отчета", "Edit6", false},
    };
    QLineEdit **edits[] = {&Edit3, &Edit4, &Edit5, &Edit6};
    for (int i = 0; i < 4; ++i) {
        const int y = 40 + i * 88;
        QLabel *label = makeLabel(Panel7, rows[i].label, QString::fromUtf8(rows[i].text), caption, colors::Black, 48, y);
        *edits[i] = makeEdit(Panel7, rows[i].edit, 48, y + 32, 440, 30, field, rows[i].password);
        label->setBuddy(*edits[i]); // the prompt names the field for a screen reader
    }
    SpeedButton7 = makeSpeedButton(Panel7, "SpeedButton7", QStringLiteral("Применить"), ":/images/btn_apply.png",
                                   formFont("MS Sans Serif", 19, true), 48, 410, 210, 56);
    SpeedButton6 = makeSpeedButton(Panel7, "SpeedButton6", QStringLiteral("Назад"), ":/images/btn_back.png",
                                   formFont("MS Sans Serif", 19, true), 278, 410, 210, 56);
    onSignal(SpeedButton7, &QAbstractButton::clicked, this, [this] { SpeedButton7Click(); });
    onSignal(SpeedButton6, &QAbstractButton::clicked, this, [this] { SpeedButton6Click(); });
    makePicture(Panel7, "Image3", ":/images/settings.png", 580, 70, 260, 260);
    QLabel *title = makeLabel(Panel7, "Label36", QStringLiteral("Ларендо"), formFont("Times New Roman", 64, true),
                              colors::Blue, 0, 520, 924, 90);
    title->setAlignment(Qt::AlignCenter);
}

void TForm1::buildSignInView()
{
    Panel4 = makePanel(client_, "Panel4", colors::ScrollBar);
    const QFont prompt = formFont("MS Sans Serif", 19);
    const QFont georgia = formFont("Georgia", 19, true, true);
    const QFont field = formFont("MS Sans Serif", 16, true);
    const QFont button = formFont("MS Sans Serif", 19, true);
    makeLabel(Panel4, "Label37", QStringLiteral("Регистрация пользователя"), formFont("Times New Roman", 32, true),
              colors::Blue, 200, 16, 384 + 60, 36);
    makeLabel(Panel4, "Label42", QStringLiteral("Для первичной регистрации введите имя пользователя и пароль,"), prompt,
              colors::Black, 32, 64, 600 + 120, 24);
    makeLabel(Panel4, "Label43", QStringLiteral("затем нажмите кнопку \"Новый пользователь\""), prompt, colors::Black,
              32, 96, 414 + 80, 24);
    QLabel *nameLabel = makeLabel(Panel4, "Label1", QStringLiteral("Пользователь:"), georgia, colors::Black, 27, 143,
                                  159 + 30, 23);
    Edit2 = makeEdit(Panel4, "Edit2", 227, 139, 342, 28, field);
    QLabel *passwordLabel = makeLabel(Panel4, "Label2", QStringLiteral("Пароль:"), georgia, colors::Black, 43, 203,
                                      84 + 20, 23);
    MaskEdit1 = makeEdit(Panel4, "MaskEdit1", 227, 205, 342, 28, field, true);
    nameLabel->setBuddy(Edit2); // the prompts name the fields for a screen reader
    passwordLabel->setBuddy(MaskEdit1);
    makeLabel(Panel4, "Label38", QStringLiteral("Если вы зарегистрированы, то нажмите:"), georgia, colors::Black, 16, 296,
              448 + 40, 23);
    SpeedButton3 = makeSpeedButton(Panel4, "SpeedButton3", QStringLiteral("Далее>>"), ":/images/btn_next.png", button,
                                   507, 285, 286, 60);
    QPalette red = SpeedButton3->palette();
    red.setColor(QPalette::ButtonText, colors::Red);
    SpeedButton3->setPalette(red);
    SpeedButton1 = makeSpeedButton(Panel4, "SpeedButton1", QStringLiteral("Новый пользователь"), ":/images/btn_user.png",
                                   button, 219, 384, 358, 65);
    SpeedButton2 = makeSpeedButton(Panel4, "SpeedButton2", QStringLiteral("Удалить пользователя"),
                                   ":/images/btn_delete.png", button, 216, 480, 361, 65);
    setTabOrder(Edit2, MaskEdit1);
    setTabOrder(MaskEdit1, SpeedButton3);
    setTabOrder(SpeedButton3, SpeedButton1);
    setTabOrder(SpeedButton1, SpeedButton2);
    // Enter in either field signs in, as "Далее>>" does.
    for (QLineEdit *field : {Edit2, MaskEdit1})
        connect(field, &QLineEdit::returnPressed, SpeedButton3, &QAbstractButton::click);
    onSignal(SpeedButton3, &QAbstractButton::clicked, this, [this] { SpeedButton3Click(); });
    onSignal(SpeedButton1, &QAbstractButton::clicked, this, [this] { SpeedButton1Click(); });
    onSignal(SpeedButton2, &QAbstractButton::clicked, this, [this] { SpeedButton2Click(); });
}
