#include "widgets.h"

#include "ui.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStringListModel>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <unistd.h>

namespace platform {

QFont formFont(const char *family, int pixelHeight, bool bold, bool italic)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Georgia"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}

void prepareApplication()
{
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    installLockWaitFeedback();
}

void setComboItems(QComboBox *combo, const QStringList &texts)
{
    auto *model = qobject_cast<QStringListModel *>(combo->model());
    if (!model) {
        model = new QStringListModel(combo);
        combo->setModel(model);
    }
    model->setStringList(texts);
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

QLabel *makePicture(QWidget *parent, const char *name, const char *file, int x, int y, int w, int h)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(QPixmap(QString::fromLatin1(file)));
    label->setScaledContents(true);
    label->setGeometry(x, y, w, h);
    return label;
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFrame *makePanel(QWidget *parent, const char *name, const QColor &color)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    setBackground(panel, color);
    return panel;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font, const QColor &color,
                  int x, int y, int w, int h)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    if (w > 0 && h > 0)
        label->setGeometry(x, y, w, h);
    else {
        label->adjustSize();
        label->move(x, y);
    }
    return label;
}

QToolButton *makeSpeedButton(QWidget *parent, const char *name, const QString &caption, const char *picture,
                             const QFont &font, int x, int y, int w, int h)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setFont(font);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    if (picture) {
        button->setIcon(QIcon(QString::fromLatin1(picture)));
        button->setIconSize(QSize(h - 12, h - 12));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    button->setGeometry(x, y, w, h);
    return button;
}

namespace {
constexpr int kIndicatorGap = 6;
}

void DblClickRadioButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    QRadioButton::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}

void DblClickRadioButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    const QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    option.rect = QRect(indicator.left(), (height() - indicator.height()) / 2, indicator.width(), indicator.height());
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
    const QRect textRect = rect().adjusted(indicator.right() + kIndicatorGap, 0, 0, 0);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, caption);
}

bool DblClickRadioButton::hitButton(const QPoint &pos) const { return rect().contains(pos); }

void ClickableLineEdit::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
}

} // namespace platform
