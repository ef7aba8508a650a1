#pragma once
// The main menu as data: items in their order, each with its level in the
// tree, its caption, whether it is visible when the window is created, the
// picture beside it (submenu items only), and what choosing it does. The
// action has no default: a row without one does not compile, and the table is
// checked at compile time against its tree and the content table.
#include <QList>

#include <span>
#include <variant>

class TForm1;

namespace larendo::shell {

// A handler of the main window.
using MenuHandler = void (TForm1::*)();

// The header of a submenu: opens its items, does nothing itself.
struct Submenu {};
// Opens the content table's document of the item.
struct Document {};
// Starts the content table's presentation of the item.
struct Presentation {};
// Starts test number (1 ... 12); the item is named after the test.
struct Test {
    int number;
};
// A lecture place of the tree the course does not fill; never shown.
struct NotInCourse {};

class MenuAction {
public:
    constexpr MenuAction(Submenu s) : what_(s) {}
    constexpr MenuAction(MenuHandler h) : what_(h) {}
    constexpr MenuAction(Document d) : what_(d) {}
    constexpr MenuAction(Presentation p) : what_(p) {}
    constexpr MenuAction(Test t) : what_(t) {}
    constexpr MenuAction(NotInCourse n) : what_(n) {}

    using Kind = std::variant<Submenu, MenuHandler, Document, Presentation, Test, NotInCourse>;
    constexpr const Kind &what() const { return what_; }

private:
    Kind what_;
};

struct MenuEntry {
    const char *name;    // object name of the item's action
    int level;           // 0 top level, 1 submenu item, 2 item of a nested submenu
    const char *caption; // UTF-8
    bool visibleAtCreation;
    const char *icon;    // resource path of the picture, nullptr for top-level items
    MenuAction action;
};

std::span<const MenuEntry> menuTable();

// The numbers of the tests the menu offers: its test items that are ever shown.
QList<int> offeredTests();

} // namespace larendo::shell
