#include "widgets.h"

#include "ui.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QStringListModel>
#include <QStyleOptionButton>
#include <QStyleOptionMenuItem>
#include <QStylePainter>

#include <algorithm>

#include <unistd.h>

namespace larendo::platform {

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
    // The browser takes its own locale (context menu, error pages) from the default one.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
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

void installRussianTexts()
{
    for (const char *catalogue : {"qtbase", "qtwebengine"}) {
        auto *texts = new QTranslator(QCoreApplication::instance());
        if (texts->load(QLocale(QLocale::Russian), QString::fromLatin1(catalogue), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(texts);
        else
            delete texts;
    }
}

namespace {

// Title bar and borders of a window not yet shown, whose frame is still unknown.
constexpr QMargins kFrameAllowance(6, 32, 6, 6);

// Draws the keyboard focus of a control: a frame that shows on any background.
void drawFocusFrame(QWidget *widget)
{
    QPainter painter(widget);
    QPen pen(widget->palette().color(QPalette::Highlight), 2, Qt::DashLine);
    painter.setPen(pen);
    painter.drawRect(widget->rect().adjusted(1, 1, -2, -2));
}

} // namespace

namespace {

// The frame a window has, or an allowance for one while it is not yet shown.
QMargins frameOf(const QWidget *window)
{
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    return frame.isNull() ? kFrameAllowance : frame;
}

// Makes the window no larger than the area allows and puts its frame at topLeft,
// moved in where it would stand out, the title bar kept on screen first. A
// window that stands within the area stays where it is unless always is set.
void placeWithin(QWidget *window, const QRect &area, const QMargins &frame, QPoint topLeft, bool always)
{
    window->resize(window->size().boundedTo(area.size().shrunkBy(frame)).expandedTo(window->minimumSize()));
    QRect outer(topLeft, window->size().grownBy(frame));
    outer.moveRight(std::min(outer.right(), area.right()));
    outer.moveBottom(std::min(outer.bottom(), area.bottom()));
    outer.moveLeft(std::max(outer.left(), area.left()));
    outer.moveTop(std::max(outer.top(), area.top()));
    if (always || outer.topLeft() != topLeft)
        window->move(outer.topLeft());
}

} // namespace

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameOf(window);
    window->resize(window->size().boundedTo(area.size().shrunkBy(frame)).expandedTo(window->minimumSize()));
    placeWithin(window, area, frame, area.center() - window->rect().center(), true);
}

void fitOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QMargins frame = frameOf(window);
    const QPoint frameTopLeft = window->geometry().topLeft() - QPoint(frame.left(), frame.top());
    placeWithin(window, screen->availableGeometry(), frame, frameTopLeft, false);
}

namespace {

// The application's style, with what the forms had that it lacks: "*" as the
// password character, the Alt key taking the keyboard to the menu bar, and
// narrower menu bar items.
class FormStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return u'*';
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
    // Menu bar items as tight as the desktop the forms were drawn for had them.
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuBarItem)
            result.rwidth() -= 8;
        return result;
    }
};

QStyle *formStyle()
{
    static QPointer<FormStyle> style;
    if (!style) {
        style = new FormStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace

void showAsStars(QLineEdit *edit)
{
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyle(formStyle());
}

void fitMenuBarFont(QMenuBar *menuBar, const QStringList &captions, int width, int largest, int smallest)
{
    QStyle *style = menuBar->style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, menuBar)
                             + style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, menuBar));
    const int spacing = style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, menuBar);
    QFont font = menuBar->font();
    for (int px = largest; px >= smallest; --px) {
        font.setPixelSize(px);
        const QFontMetrics metrics(font);
        int needed = margins;
        for (const QString &caption : captions) {
            QStyleOptionMenuItem option;
            option.initFrom(menuBar);
            option.text = caption;
            option.fontMetrics = metrics;
            option.menuItemType = QStyleOptionMenuItem::Normal;
            needed += style->sizeFromContents(QStyle::CT_MenuBarItem, &option,
                                              metrics.size(Qt::TextShowMnemonic, caption), menuBar).width()
                      + spacing;
        }
        if (needed <= width || px == smallest)
            break;
    }
    menuBar->setFont(font);
}

void reachByAltKey(QMenuBar *menuBar)
{
    menuBar->setStyle(formStyle());
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
    auto *button = new SpeedButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setFont(font);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::StrongFocus);
    if (picture) {
        button->setIcon(QIcon(QString::fromLatin1(picture)));
        button->setIconSize(QSize(h - 12, h - 12));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    button->setGeometry(x, y, w, h);
    return button;
}

void SpeedButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void SpeedButton::paintEvent(QPaintEvent *event)
{
    QToolButton::paintEvent(event);
    if (hasFocus())
        drawFocusFrame(this);
}

namespace {
constexpr int kIndicatorGap = 6;
}

void DblClickRadioButton::unmark()
{
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

void DblClickRadioButton::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        if (!event->isAutoRepeat()) {
            setChecked(true);
            Q_EMIT chosenByKey();
        }
        return;
    }
    QRadioButton::keyPressEvent(event);
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
    painter.end();
    if (hasFocus())
        drawFocusFrame(this);
}

bool DblClickRadioButton::hitButton(const QPoint &pos) const { return rect().contains(pos); }

void ClickableLineEdit::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
}

// ---- LineView

namespace {
// The margin round the text, as Qt's text boxes keep it.
constexpr int kTextMargin = 4;
} // namespace

LineView::LineView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

void LineView::setLines(QStringList lines)
{
    lines_ = std::move(lines);
    top_ = {};
    anchor_ = caret_ = {};
    viewport()->update();
}

void LineView::layOut(qsizetype line, QTextLayout &layout) const
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setText(lines_.at(line));
    layout.setFont(font());
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    const qreal width = std::max(1, viewport()->width() - 2 * kTextMargin);
    const qreal height = rowHeight();
    layout.beginLayout();
    for (int row = 0;; ++row) {
        QTextLine textLine = layout.createLine();
        if (!textLine.isValid())
            break;
        textLine.setLineWidth(width);
        textLine.setPosition(QPointF(0, row * height));
    }
    layout.endLayout();
}

qreal LineView::rowHeight() const { return QFontMetricsF(font()).height(); }

int LineView::rowCount(qsizetype line) const
{
    QTextLayout layout;
    layOut(line, layout);
    return std::max(1, layout.lineCount());
}

int LineView::rowsInSight() const
{
    return std::max(1, int((viewport()->height() - 2 * kTextMargin) / rowHeight()));
}

qsizetype LineView::lastLineInSight() const
{
    if (lines_.isEmpty())
        return -1;
    const qreal bottom = viewport()->height() - kTextMargin;
    qreal y = kTextMargin - top_.row * rowHeight();
    qsizetype line = top_.line;
    for (; line + 1 < lines_.size(); ++line) {
        y += rowCount(line) * rowHeight();
        if (y >= bottom)
            break;
    }
    return line;
}

LineView::Row LineView::lastTop() const
{
    int need = rowsInSight();
    for (qsizetype line = lines_.size() - 1; line >= 0; --line) {
        const int rows = rowCount(line);
        if (rows >= need)
            return {line, rows - need};
        need -= rows;
    }
    return {};
}

void LineView::scrollTo(Row top)
{
    if (lines_.isEmpty())
        top = {};
    else {
        top.line = std::clamp<qsizetype>(top.line, 0, lines_.size() - 1);
        top.row = std::clamp(top.row, 0, rowCount(top.line) - 1);
        top = std::min(top, lastTop());
    }
    if (top != top_) {
        top_ = top;
        viewport()->update();
    }
}

void LineView::scrollRows(qsizetype rows)
{
    if (lines_.isEmpty())
        return;
    Row top = top_;
    const Row last = lastTop();
    for (; rows > 0 && top < last; --rows) {
        if (top.row + 1 < rowCount(top.line))
            ++top.row;
        else
            top = {top.line + 1, 0};
    }
    for (; rows < 0 && top > Row{}; ++rows) {
        if (top.row > 0)
            --top.row;
        else
            top = {top.line - 1, rowCount(top.line - 1) - 1};
    }
    scrollTo(top);
}

void LineView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const auto [from, to] = std::minmax(anchor_, caret_);
    QTextLayout::FormatRange selected;
    selected.format.setBackground(palette().brush(QPalette::Highlight));
    selected.format.setForeground(palette().brush(QPalette::HighlightedText));
    const qreal height = rowHeight();
    qreal y = kTextMargin - top_.row * height;
    for (qsizetype line = top_.line; line < lines_.size() && y < viewport()->height(); ++line) {
        QTextLayout layout;
        layOut(line, layout);
        QList<QTextLayout::FormatRange> selections;
        if (from < to && from.line <= line && line <= to.line) {
            selected.start = line == from.line ? from.column : 0;
            selected.length = (line == to.line ? to.column : lines_.at(line).size()) - selected.start;
            selections.append(selected);
        }
        layout.draw(&painter, QPointF(kTextMargin, y), selections);
        y += std::max(1, layout.lineCount()) * height;
    }
    // Without a caret, the focus is shown by a frame in the highlight colour.
    if (hasFocus()) {
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
    }
}

void LineView::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void LineView::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void LineView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    scrollTo(top_); // rows change with the width
}

void LineView::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        scrollTo(top_);
}

void LineView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (event->key() == Qt::Key_Up)
        scrollRows(-1);
    else if (event->key() == Qt::Key_Down)
        scrollRows(1);
    else if (event->key() == Qt::Key_PageUp)
        scrollRows(-std::max(1, rowsInSight() - 1));
    else if (event->key() == Qt::Key_PageDown)
        scrollRows(std::max(1, rowsInSight() - 1));
    else if (event->matches(QKeySequence::MoveToStartOfDocument))
        scrollTo({});
    else if (event->matches(QKeySequence::MoveToEndOfDocument))
        scrollTo(lastTop());
    else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void LineView::wheelEvent(QWheelEvent *event)
{
    // Three rows a notch, as the desktop scrolls text.
    scrollRows(-qsizetype(event->angleDelta().y()) * 3 / 120);
    event->accept();
}

LineView::Spot LineView::spotAt(QPoint point) const
{
    if (lines_.isEmpty())
        return {};
    const qreal height = rowHeight();
    qreal y = kTextMargin - top_.row * height;
    if (point.y() < y)
        return {top_.line, 0};
    for (qsizetype line = top_.line; line < lines_.size(); ++line) {
        QTextLayout layout;
        layOut(line, layout);
        const int rows = std::max(1, layout.lineCount());
        if (point.y() < y + rows * height || line + 1 == lines_.size()) {
            const int row = std::clamp(int((point.y() - y) / height), 0, rows - 1);
            if (point.y() >= y + rows * height)
                return {line, int(lines_.at(line).size())};
            return {line, layout.lineAt(row).xToCursor(point.x() - kTextMargin)};
        }
        y += rows * height;
    }
    return {};
}

void LineView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    caret_ = spotAt(event->position().toPoint());
    if (!(event->modifiers() & Qt::ShiftModifier))
        anchor_ = caret_;
    viewport()->update();
}

void LineView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint point = event->position().toPoint();
    // Dragging past an edge scrolls, so a selection can run over many screens.
    if (point.y() < 0)
        scrollRows(-1);
    else if (point.y() >= viewport()->height())
        scrollRows(1);
    caret_ = spotAt(point);
    viewport()->update();
}

void LineView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double-click takes the whole line, the unit a teacher copies.
    if (event->button() != Qt::LeftButton || lines_.isEmpty())
        return;
    const qsizetype line = spotAt(event->position().toPoint()).line;
    anchor_ = {line, 0};
    caret_ = {line, int(lines_.at(line).size())};
    viewport()->update();
}

QString LineView::selectedText() const
{
    const auto [from, to] = std::minmax(anchor_, caret_);
    if (lines_.isEmpty() || from == to)
        return {};
    if (from.line == to.line)
        return lines_.at(from.line).mid(from.column, to.column - from.column);
    QString text = lines_.at(from.line).mid(from.column);
    for (qsizetype line = from.line + 1; line < to.line; ++line)
        text += u'\n' + lines_.at(line);
    return text + u'\n' + lines_.at(to.line).left(to.column);
}

void LineView::selectAll()
{
    if (lines_.isEmpty())
        return;
    anchor_ = {};
    caret_ = {lines_.size() - 1, int(lines_.last().size())};
    viewport()->update();
}

void LineView::copy() const
{
    const QString text = selectedText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void LineView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *copyAction = menu.addAction(QStringLiteral("Копировать"), this, &LineView::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(anchor_ != caret_);
    menu.addAction(QStringLiteral("Выделить все"), this, &LineView::selectAll)->setShortcut(QKeySequence::SelectAll);
    menu.exec(event->globalPos());
}

} // namespace larendo::platform
