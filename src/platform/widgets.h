#pragma once
// The few things of the old toolkit that Qt lacks as such: its colours, its
// fonts by family and character height, flat picture buttons, radio buttons
// that report a double-click, an edit that reports a click, panels with bevels,
// and a text box light enough for a long log.
#include <QAbstractScrollArea>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTextLayout>
#include <QToolButton>

class QKeyEvent;
class QMenuBar;

namespace larendo::platform {

namespace colors {
inline const QColor SkyBlue(166, 202, 240);
inline const QColor Teal(0, 128, 128);
inline const QColor BtnFace(240, 240, 240);
inline const QColor ScrollBar(200, 200, 200);
inline const QColor Silver(192, 192, 192);
inline const QColor Red(255, 0, 0);
inline const QColor Blue(0, 0, 255);
inline const QColor Black(0, 0, 0);
inline const QColor White(255, 255, 255);
inline const QColor Yellow(255, 255, 0);
inline const QColor GradientActiveCaption(185, 209, 234);
} // namespace colors

// A font by the family the forms were drawn with and its character height in
// pixels; families missing here are mapped to metric-compatible ones at start-up.
QFont formFont(const char *family, int pixelHeight, bool bold = false, bool italic = false);

// Maps the forms' font families to fonts a Linux desktop has.
void installFontSubstitutes();

// What must hold before the application object exists: the browser's sandbox
// refuses to start for root (a class computer may run us so), and the browser
// wants shared OpenGL contexts.
void prepareApplication();

// The interface is Russian whatever the desktop's language: Qt's own dialogs
// and the browser's menus through their translations, the browser's error
// pages through its locale. The locale is set by prepareApplication.
void installRussianTexts();

// Sets a widget's background colour (and makes it paint it).
void setBackground(QWidget *widget, const QColor &color);

// A panel with a raised inner and a lowered outer bevel.
QFrame *makePanel(QWidget *parent, const char *name, const QColor &color);

// A label at a fixed place; width and height 0 size it to its text.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                  const QColor &color, int x, int y, int w = 0, int h = 0);

// Replaces the items of a combo box by texts: a list of 100,000 names takes
// milliseconds, where adding items one by one takes a noticeable pause.
void setComboItems(QComboBox *combo, const QStringList &texts);

// Places a top-level window in the centre of its screen, frame included, and
// within the screen's available area at any scale: a window larger than that
// area is made as small as its minimum size allows, and one that still does
// not fit keeps its title bar on the screen.
void centreOnScreen(QWidget *window);

// The same, but a window that fits is left where it stands.
void fitOnScreen(QWidget *window);

// Shows a one-line edit's text as "*" for every character, as the forms did.
void showAsStars(QLineEdit *edit);

// Sets the menu bar's font to the largest pixel size, from largest down to
// smallest, at which the top-level items of those captions fit side by side
// in width (a menu bar puts what does not fit out of sight).
void fitMenuBarFont(QMenuBar *menuBar, const QStringList &captions, int width, int largest, int smallest);

// Alt alone takes the keyboard to the menu bar, as on the desktop the forms were drawn for.
void reachByAltKey(QMenuBar *menuBar);

// A picture stretched to its box.
QLabel *makePicture(QWidget *parent, const char *name, const char *file, int x, int y, int w, int h);

// A flat button with a picture beside its caption. It takes keyboard focus
// from Tab, shows it by a frame, and Space or Enter presses it.
QToolButton *makeSpeedButton(QWidget *parent, const char *name, const QString &caption, const char *picture,
                             const QFont &font, int x, int y, int w, int h);

class SpeedButton : public QToolButton {
    Q_OBJECT
public:
    using QToolButton::QToolButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// A radio button whose caption wraps and which reports a double-click
// anywhere on it, or Enter or Space while it has the focus (a key held down
// reports once); text() is the caption. A frame shows the focus.
class DblClickRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

    // Clears the mark, which an exclusive group otherwise keeps.
    void unmark();

Q_SIGNALS:
    void doubleClicked();
    void chosenByKey();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};

// A one-line edit that reports a mouse click.
class ClickableLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

// A read-only text of many lines, wrapped at the view's width, that lays out
// and paints only the lines in sight: a log of a hundred thousand lines shows
// at once. No scroll bars: the wheel and the keys (arrows, Page Up/Down,
// Ctrl+Home/End) scroll it by rows. Text is selected with the mouse or Ctrl+A
// and copied with Ctrl+C or the context menu.
class LineView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LineView(QWidget *parent = nullptr);

    void setLines(QStringList lines);
    const QStringList &lines() const { return lines_; }
    QString text() const { return lines_.join(u'\n'); }

    // Rows that line takes at the present width.
    int rowCount(qsizetype line) const;
    // The first line in sight, and the last whose first row is in sight.
    qsizetype firstLineInSight() const { return top_.line; }
    qsizetype lastLineInSight() const;

    QString selectedText() const;
    void selectAll();
    void copy() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void scrollContentsBy(int, int) override {}

private:
    struct Row {
        qsizetype line = 0;
        int row = 0;
        auto operator<=>(const Row &) const = default;
    };
    struct Spot {
        qsizetype line = 0;
        int column = 0;
        auto operator<=>(const Spot &) const = default;
    };

    void layOut(qsizetype line, QTextLayout &layout) const;
    qreal rowHeight() const;
    int rowsInSight() const;
    Row lastTop() const;
    void scrollRows(qsizetype rows);
    void scrollTo(Row top);
    Spot spotAt(QPoint point) const;

    QStringList lines_;
    Row top_;
    Spot anchor_, caret_;
};

} // namespace larendo::platform
