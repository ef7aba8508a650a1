#pragma once
// The course's materials: which menu item opens which document, and which
// starts which presentation. The one place that knows the course folder's layout.
#include <QByteArray>
#include <QString>

#include <span>

namespace content {

struct DocumentItem {
    const char *item;   // object name of the menu item
    const char *target; // relative to the current directory, Windows style
};

struct PresentationItem {
    const char *item;
    const char *commandLine; // UTF-8 here; handed to the program start in Windows-1251
};

std::span<const DocumentItem> documentItems();
std::span<const PresentationItem> presentationItems();

// The page loaded when the main window is created (also the help item's target).
inline constexpr const char *kStartPage = "\\data\\help\\sod.htm";

// The entry of an item, or nullptr; names compare exactly.
const DocumentItem *findDocument(const QString &item);
const PresentationItem *findPresentation(const QString &item);

// The full path the browser is sent to: the current directory followed by the
// target, found on disk without regard to letter case.
QString documentPath(const char *target);

// The command line in the program's Windows-1251 bytes.
QByteArray commandLineBytes(const PresentationItem &item);

} // namespace content
