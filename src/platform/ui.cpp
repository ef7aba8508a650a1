#include "ui.h"

#include "filelock.h"

#include "codec.h"
#include "paths.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace larendo::platform {

namespace {

MessageHandler messageHook;
FileDialogHandler dialogHook;
ProgramStarter starterHook;
FileRequestHandler requestHook;
PrintDialogHandler printHook;

std::optional<QString> realFileRequest(QWidget *parent, const FileRequest &request)
{
    QFileDialog dialog(parent, request.caption);
    const bool save = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.filter.isEmpty())
        dialog.setNameFilter(request.filter);
    const QFileInfo suggested(request.suggested);
    if (suggested.isDir()) {
        dialog.setDirectory(suggested.absoluteFilePath());
    } else if (!request.suggested.isEmpty()) {
        dialog.setDirectory(suggested.absolutePath());
        dialog.selectFile(suggested.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

bool realPrintDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

MessageAnswer realMessageBox(QWidget *parent, const Message &m)
{
    QMessageBox box(parent);
    box.setWindowTitle(m.caption);
    box.setText(m.text);
    box.setIcon(m.kind == MessageKind::Warning ? QMessageBox::Warning
                : m.kind == MessageKind::Error ? QMessageBox::Critical
                                               : QMessageBox::Information);
    if (m.buttons == MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<QString> realFileDialog(QWidget *parent)
{
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDirectory(QDir::currentPath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

// WinExec's reading of an unquoted line: the longest prefix ending at a blank
// that names an existing file is the program.
bool startNamedProgram(const QString &line)
{
    const QStringList words = line.split(u' ');
    for (qsizetype n = words.size(); n >= 1; --n) {
        const QString program = words.mid(0, n).join(u' ');
        const QString path = dataPath(program);
        const QFileInfo info(path);
        if (info.isFile() && info.isExecutable())
            return QProcess::startDetached(path, words.mid(n));
    }
    return false;
}

void openInPresentationProgram(const QByteArray &commandLine)
{
    const QByteArray document = documentOfCommandLine(commandLine);
    if (document.isEmpty())
        return;
    const QString path = dataPath(document);
    if (!QFileInfo(path).isFile())
        return;
    for (const char *program : {"libreoffice", "soffice"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!found.isEmpty() && QProcess::startDetached(found, {QStringLiteral("--show"), path}))
            return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void realStart(const QByteArray &commandLine)
{
    if (!startNamedProgram(fromAnsi(commandLine)))
        openInPresentationProgram(commandLine);
}

} // namespace

MessageAnswer showMessage(QWidget *parent, const Message &message)
{
    return messageHook ? messageHook(parent, message) : realMessageBox(parent, message);
}

void setMessageHandler(MessageHandler handler) { messageHook = std::move(handler); }

void showBox(QWidget *parent, MessageKind kind, const QString &text)
{
    const QString caption = kind == MessageKind::Warning ? QStringLiteral("Warning")
                            : kind == MessageKind::Error ? QStringLiteral("Error")
                                                         : QStringLiteral("Information");
    showMessage(parent, {kind, caption, text, MessageButtons::Ok});
}

void reportError(const QString &message)
{
    QString text = message;
    if (!text.isEmpty() && !text.endsWith(u'.'))
        text += u'.';
    showMessage(QApplication::activeWindow(), {MessageKind::Error, kApplicationTitle, text, MessageButtons::Ok});
}

std::optional<QString> chooseFileToOpen(QWidget *parent)
{
    std::optional<QString> chosen = dialogHook ? dialogHook(parent) : realFileDialog(parent);
    if (chosen)
        QDir::setCurrent(QFileInfo(*chosen).absolutePath());
    return chosen;
}

void setFileDialogHandler(FileDialogHandler handler) { dialogHook = std::move(handler); }

std::optional<QString> chooseFile(QWidget *parent, const FileRequest &request)
{
    return requestHook ? requestHook(parent, request) : realFileRequest(parent, request);
}

void setFileRequestHandler(FileRequestHandler handler) { requestHook = std::move(handler); }

bool choosePrinter(QWidget *parent, QPrinter &printer)
{
    return printHook ? printHook(parent, printer) : realPrintDialog(parent, printer);
}

void setPrintDialogHandler(PrintDialogHandler handler) { printHook = std::move(handler); }

void startProgram(const QByteArray &commandLine)
{
    if (starterHook)
        starterHook(commandLine);
    else
        realStart(commandLine);
}

void setProgramStarter(ProgramStarter starter) { starterHook = std::move(starter); }

QByteArray documentOfCommandLine(const QByteArray &commandLine)
{
    const qsizetype sw = commandLine.indexOf(" /");
    if (sw < 0)
        return {};
    const qsizetype gap = commandLine.indexOf(' ', sw + 2);
    return gap < 0 ? QByteArray() : commandLine.mid(gap + 1).trimmed();
}

void installLockWaitFeedback()
{
    setLockWaitHook([](const LockWait &wait) {
        static bool busyCursor = false;
        if (wait.finished) {
            if (busyCursor)
                QGuiApplication::restoreOverrideCursor();
            busyCursor = false;
            return;
        }
        if (!busyCursor && wait.waited >= std::chrono::milliseconds(500)) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            busyCursor = true;
        }
        // Paint, but take no clicks: a second change started now would wait behind this one.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

} // namespace larendo::platform
