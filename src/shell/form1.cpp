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

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>
#include <QUrl>
#include <QWebEngineView>

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
    // student's nine top-level items fit the window's width.
    menuBar()->setFont(platform::formFont("MS Sans Serif", 12));
    buildViews();
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    platform::centreOnScreen(this);
    FormCreate();
}

TForm1::~TForm1() = default;

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
        connectMenuItem(action, e.name);
    }
}

void TForm1::connectMenuItem(QAction *action, const char *name)
{
    const QString item = QString::fromLatin1(name);
    if (const content::DocumentItem *doc = content::findDocument(item)) {
        platform::onSignal(action, &QAction::triggered, this, [this, doc] { openDocument(*doc); });
        return;
    }
    if (const content::PresentationItem *show = content::findPresentation(item)) {
        platform::onSignal(action, &QAction::triggered, this, [this, show] { startPresentation(*show); });
        return;
    }
    if (item.startsWith(QStringLiteral("test"))) {
        const QByteArray test = item.toLatin1();
        platform::onSignal(action, &QAction::triggered, this, [this, test] { testClick(test); });
        return;
    }
    using Handler = void (TForm1::*)();
    static const std::pair<const char *, Handler> handlers[] = {
        {"N17", &TForm1::N17Click},   {"Ni", &TForm1::NiClick},     {"N30", &TForm1::N30Click},
        {"Ntun", &TForm1::NtunClick}, {"nred", &TForm1::nredClick}, {"N26", &TForm1::N26Click},
        {"N15", &TForm1::N15Click},   {"Ne", &TForm1::NeClick},
        {"NaFormuAvtorizazii", &TForm1::NaFormuAvtorizaziiClick},
    };
    for (const auto &[handlerName, handler] : handlers) {
        if (item == QLatin1String(handlerName))
            platform::onSignal(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    }
}

QAction *TForm1::menuItem(const char *name) const { return findChild<QAction *>(QString::fromLatin1(name)); }

void TForm1::setMenuVisible(const char *name, bool visible)
{
    if (QAction *action = menuItem(name))
        action->setVisible(visible);
}

void TForm1::enable(const QByteArray &name, bool value)
{
    const QList<QByteArray> components = larendo::testing::unlockedBy(name);
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
    return QMainWindow::eventFilter(watched, event);
}

// ---- the window's own handlers

void TForm1::FormCreate()
{
    WebBrowser1->load(QUrl::fromLocalFile(content::documentPath(content::kStartPage)));
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
    platform::setComboItems(ComboBox1, larendo::access::loadUserNames());
    state_.SignedIn = false;
    switchViews(shell::ViewSwitch::FormShow);
    state_.UnlockState = 0;
    setMenuVisible("N0", false);
    ReadAdminSettings();
}

void TForm1::ReadAdminSettings()
{
    const larendo::access::AdminSettings s = larendo::access::ReadAdminSettings();
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

bool TForm1::FormClose()
{
    if (state_.SignedIn && !state_.SignedInAsAdmin)
        larendo::access::SaveGrades(state_.CurrentUser, state_.Grades);
    return true;
}

void TForm1::closeEvent(QCloseEvent *event)
{
    bool closed = false;
    platform::guarded([&] { closed = FormCloseQuery() && FormClose(); });
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
    WebBrowser1->load(QUrl::fromLocalFile(content::documentPath(item.target)));
}

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
    form5_->show();
    form5_->raise();
    form5_->activateWindow();
}
