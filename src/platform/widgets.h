#pragma once
// The few things of the old toolkit that Qt lacks as such: its colours, its
// fonts by family and character height, flat picture buttons, radio buttons
// that report a double-click, an edit that reports a click, and panels with bevels.
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace platform {

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

// Places a top-level window in the centre of its screen.
void centreOnScreen(QWidget *window);

// A picture stretched to its box.
QLabel *makePicture(QWidget *parent, const char *name, const char *file, int x, int y, int w, int h);

// A flat button with a picture beside its caption; it takes no keyboard focus.
QToolButton *makeSpeedButton(QWidget *parent, const char *name, const QString &caption, const char *picture,
                             const QFont &font, int x, int y, int w, int h);

// A radio button whose caption wraps and which reports a double-click
// anywhere on it; text() is the caption.
class DblClickRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
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

} // namespace platform
