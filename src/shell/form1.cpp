#include "form1.h"

#include "access/adminsettings.h"
#include "access/userlist.h"
#include "access/userregistry.h"
#include "content/aboutdialog.h"
#include "content/authorwindow.h"
#include "content/contenttable.h"
#include "menutable.h"
#include "platform/codec.h"
#include "platform/ui.h"
#include "platform/widgets.h"
#include "testing/gating.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QUrl>
#include <QWebEngineView>

#include <algorithm>
#include <type_traits>
#include <variant>

using namespace larendo;

namespace {

constexpr int kClientWidth = 924;
constexpr int kClientHeight = 722;
constexpr int kTestViewWidth = 921;
constexpr int kTestViewHeight = 737;

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ЭУИ \"Ларендо\""));
    setFont(platform::formFont("MS Sans Serif", 11));
    buildMenu();
    // The desktop's menu font, as menus are drawn there; narrow items so the
    // ten top-level items of a signed-in user fit the window's width.
    menuBar()->setFont(platform::formFont("MS Sans Serif", 11));
    platform::reachByAltKey(menuBar());
    buildViews();
    const QSize designed(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    resize(designed);
    // Made smaller on a small or scaled screen; the views then scroll.
    platform::centreOnScreen(this);
    if (height() < designed.height()) { // room for the scroll bar, so the views need not scroll sideways too
        resize(width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent), height());
        platform::centreOnScreen(this);
    }
    fitMenuToWidth();
    navigator_ = [this](const QUrl &url) { WebBrowser1->load(url); };
    // Keyboard focus that moves out of sight, as with the arrow keys, scrolls the view after it.
    focusFollower_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && client_->isAncestorOf(now))
            scrollTo(now);
    });
    FormCreate();
}

// The views go before the QObject part of the window would drop the focus follower.
TForm1::~TForm1()
{
    disconnect(focusFollower_);
    if (!WebBrowser1->parent()) // out of the window: nobody else owns it
        delete WebBrowser1;
}

void TForm1::setSecondaryWindows(TForm2 *authoring, TOKRightDlg *about, TForm5 *author)
{
    form2_ = authoring;
    aboutDialog_ = about;
    form5_ = author;
}

// ---- menu

void TForm1::buildMenu()
{
    const auto table = shell::menuTable();
    QMenu *parents[2] = {nullptr, nullptr};
    for (size_t i = 0; i < table.size(); ++i) {
        const shell::MenuEntry &e = table[i];
        const bool hasChildren = i + 1 < table.size() && table[i + 1].level > e.level;
        const QString caption = QString::fromUtf8(e.caption);
        const QIcon icon = e.icon ? QIcon(QString::fromLatin1(e.icon)) : QIcon();
        QAction *action = nullptr;
        if (hasChildren) {
            QMenu *menu = e.level == 0 ? menuBar()->addMenu(caption) : parents[0]->addMenu(icon, caption);
            parents[e.level] = menu;
            action = menu->menuAction();
        } else if (e.level == 0) {
            action = menuBar()->addAction(caption);
        } else {
            action = parents[e.level - 1]->addAction(icon, caption);
        }
        action->setObjectName(QString::fromLatin1(e.name));
        action->setVisible(e.visibleAtCreation);
        connectMenuItem(action, e);
    }
}

// What the row says choosing the item does.
void TForm1::connectMenuItem(QAction *action, const shell::MenuEntry &entry)
{
    const auto run = [this, action](auto handler) { platform::onSignal(action, &QAction::triggered, this, handler); };
    std::visit(
        [&](const auto &what) {
            using Kind = std::decay_t<decltype(what)>;
            if constexpr (std::is_same_v<Kind, shell::MenuHandler>) {
                run([this, what] { (this->*what)(); });
            } else if constexpr (std::is_same_v<Kind, shell::Document>) {
                const content::DocumentItem *doc = content::findDocument(entry.name); // present: checked at compile time
                run([this, doc] { openDocument(*doc); });
            } else if constexpr (std::is_same_v<Kind, shell::Presentation>) {
                const content::PresentationItem *show = content::findPresentation(entry.name);
                run([this, show] { startPresentation(*show); });
            } else if constexpr (std::is_same_v<Kind, shell::Test>) {
                const QByteArray test = access::testKey(what.number);
                run([this, test] { testClick(test); });
            }
            // A submenu header opens its items; a lecture place the course does not fill is never shown.
        },
        entry.action.what());
}

// A smaller font where a narrow window could not show every top-level item of a signed-in user.
void TForm1::fitMenuToWidth()
{
    QStringList captions;
    for (const shell::MenuEntry &entry : shell::menuTable()) {
        if (entry.level == 0 && qstrcmp(entry.name, "NaFormuAvtorizazii") != 0)
            captions << QString::fromUtf8(entry.caption);
    }
    platform::fitMenuBarFont(menuBar(), captions, width(), 11, 8);
}

QAction *TForm1::menuItem(const char *name) const { return findChild<QAction *>(QString::fromLatin1(name)); }

void TForm1::setMenuVisible(const char *name, bool visible)
{
    if (QAction *action = menuItem(name))
        action->setVisible(visible);
}

void TForm1::enable(const QByteArray &name, bool value)
{
    const QList<QByteArray> components = quiz::unlockedBy(name);
    if (components.isEmpty())
        return;
    const QList<QObject *> all = findChildren<QObject *>();
    for (const QByteArray &component : components) {
        const QString wanted = QString::fromLatin1(component);
        for (QObject *object : all) {
            if (object->objectName().compare(wanted, Qt::CaseInsensitive) != 0)
                continue;
            if (auto *action = qobject_cast<QAction *>(object))
                action->setEnabled(value);
            else if (auto *widget = qobject_cast<QWidget *>(object))
                widget->setEnabled(value);
            break; // the first component of that name, as a lookup by name finds it
        }
    }
}

// ---- views

QFrame *TForm1::panel(shell::View view) const
{
    switch (view) {
    case shell::View::Panel1: return Panel1;
    case shell::View::Panel2: return Panel2;
    case shell::View::Panel3: return Panel3;
    case shell::View::Panel4: return Panel4;
    case shell::View::Panel6: return Panel6;
    case shell::View::Panel7: return Panel7;
    }
    return nullptr;
}

void TForm1::switchViews(shell::ViewSwitch trigger)
{
    const shell::ViewSwitchRow &row = shell::viewSwitchRow(trigger);
    for (const shell::View v : row.shown)
        panel(v)->setVisible(true);
    for (const shell::View v : row.hidden)
        panel(v)->setVisible(false);
    // A run the student left for another view is abandoned, so the menus hidden for it come back.
    if (testRunning_ && !testViewInFront()) {
        testRunning_ = false;
        abandonRun();
    }
    followFrontView();
}

// The frontmost visible view, as the user sees it.
QFrame *TForm1::frontPanel() const
{
    QFrame *front = nullptr;
    for (QFrame *p : {Panel2, Panel3, Panel1, Panel6, Panel7, Panel4}) {
        if (!p->isHidden())
            front = p;
    }
    return front;
}

// The keyboard focus goes to the view in front; a view of fixed layout scrolls
// in a window smaller than that layout, while the browser and the log fit any window.
void TForm1::followFrontView()
{
    QFrame *front = frontPanel();
    const bool fixedLayout = front == Panel2 || front == Panel3 || front == Panel4 || front == Panel7;
    client_->setMinimumSize(fixedLayout ? QSize(kClientWidth, kClientHeight) : QSize(0, 0));
    // Only a view with a text cursor repaints at idle, so only such a view sends the
    // browser out; going out costs a new native window, which a user may see flicker.
    if (front == Panel1 || front == Panel4 || front == Panel7)
        placeBrowser(front == Panel1);
    QWidget *first = front == Panel4   ? static_cast<QWidget *>(Edit2)
                     : front == Panel2 ? (ComboBox1->isHidden() ? static_cast<QWidget *>(SpeedButton4) : ComboBox1)
                     : front == Panel7 ? static_cast<QWidget *>(Edit3)
                     : front == Panel6 ? static_cast<QWidget *>(SpeedButton5)
                     : front == Panel1 ? static_cast<QWidget *>(WebBrowser1)
                                       : nullptr; // the test view focuses its first answer with each question
    if (first)
        first->setFocus(Qt::OtherFocusReason);
}

// The browser is drawn through GL: while it is in the window, every repaint of
// the window, a text cursor's blink included, is composed through GL, in software
// on most classroom computers. So it is out of the window while a view with a
// text cursor is in front; taken out, the window gets a new native window that
// draws plainly again.
void TForm1::placeBrowser(bool inWindow)
{
    if ((WebBrowser1->parentWidget() == Panel1) == inWindow)
        return;
    if (inWindow) {
        Panel1->layout()->addWidget(WebBrowser1);
        WebBrowser1->show();
        return;
    }
    Panel1->layout()->removeWidget(WebBrowser1);
    WebBrowser1->setParent(nullptr);
    // Later, out of the handler that may run inside an event of the native window.
    QTimer::singleShot(0, this, [this] {
        if (WebBrowser1->parentWidget() == Panel1 || !isVisible() || !windowHandle()
            || QApplication::activeModalWidget() || QApplication::activePopupWidget())
            return;
        const QRect frame = geometry();
        const Qt::WindowStates states = windowState();
        const bool active = isActiveWindow();
        QWidget *focus = focusWidget();
        hide();
        destroy();
        setGeometry(frame);
        setWindowState(states);
        show();
        if (active)
            activateWindow();
        if (focus)
            focus->setFocus(Qt::OtherFocusReason);
    });
}

// Brings a control into sight; of one wider or taller than the view, its
// beginning, where a caption starts.
void TForm1::scrollTo(QWidget *control)
{
    const QRect area(control->mapTo(client_, QPoint(0, 0)), control->size());
    const QSize view = scroller_->viewport()->size();
    const int xMargin = std::min(area.width(), view.width()) / 2;
    const int yMargin = std::min(area.height(), view.height()) / 2;
    scroller_->ensureVisible(area.left() + xMargin, area.top() + yMargin, xMargin, yMargin);
}

void TForm1::layoutViews()
{
    const QRect area = client_->rect();
    for (QFrame *p : {Panel1, Panel2, Panel4, Panel6, Panel7})
        p->setGeometry(area);
    Panel3->setGeometry(0, 0, kTestViewWidth, kTestViewHeight);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == client_ && event->type() == QEvent::Resize)
        layoutViews();
    if (watched == Panel3 && event->type() == QEvent::KeyPress && answerKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

// ---- the window's own handlers

void TForm1::FormCreate()
{
    navigator_(QUrl::fromLocalFile(content::documentPath(content::kStartPage)));
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    platform::guarded([this] { FormShow(); });
}

void TForm1::FormShow()
{
    platform::setComboItems(ComboBox1, access::loadUserNames());
    state_.SignedIn = false;
    switchViews(shell::ViewSwitch::FormShow);
    state_.UnlockState = 0;
    setMenuVisible("N0", false);
    ReadAdminSettings();
}

void TForm1::ReadAdminSettings()
{
    const access::AdminSettings s = access::ReadAdminSettings();
    state_.AdminLogin = s.login;
    state_.AdminPassword = s.password;
    state_.TestLogPath = s.testLogPath;
    state_.AdminSettingsRead = true;
    Edit3->setText(platform::fromAnsi(s.login));
    Edit4->setText(platform::fromAnsi(s.password));
    Edit5->setText(platform::fromAnsi(s.password));
    Edit6->setText(platform::fromAnsi(s.testLogPath));
}

void TForm1::NeClick() { close(); }

bool TForm1::FormCloseQuery()
{
    const platform::Message question{platform::MessageKind::Warning, QStringLiteral("Warning"),
                                     QStringLiteral("Вы действительно хотите выйти из программы?"),
                                     platform::MessageButtons::OkCancel};
    return platform::showMessage(this, question) == platform::MessageAnswer::Ok;
}

void TForm1::FormClose()
{
    if (state_.SignedIn && !state_.SignedInAsAdmin)
        access::SaveGrades(state_.CurrentUser, state_.Grades);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    bool closed = false;
    platform::guarded([&] {
        if (!FormCloseQuery())
            return;
        FormClose(); // a save that fails keeps the window open
        closed = true;
    });
    if (!closed) {
        event->ignore();
        return;
    }
    event->accept();
    if (form5_)
        form5_->close();
    QCoreApplication::quit();
}

// ---- course content

void TForm1::openDocument(const content::DocumentItem &item)
{
    switchViews(shell::ViewSwitch::Document);
    navigator_(QUrl::fromLocalFile(content::documentPath(item.target)));
}

void TForm1::setNavigator(std::function<void(const QUrl &)> navigator) { navigator_ = std::move(navigator); }

void TForm1::startPresentation(const content::PresentationItem &item)
{
    platform::startProgram(content::commandLineBytes(item));
}

void TForm1::N26Click()
{
    aboutDialog_->setWindowTitle(QStringLiteral("О программе"));
    aboutDialog_->exec();
}

void TForm1::N15Click()
{
    // Brought back also when the student had minimised it.
    form5_->setWindowState(form5_->windowState() & ~Qt::WindowMinimized);
    platform::fitOnScreen(form5_);
    form5_->show();
    form5_->raise();
    form5_->activateWindow();
}
