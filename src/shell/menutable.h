#pragma once
// The main menu as data: items in their order, each with its level in the
// tree, its caption, whether it is visible when the window is created, and
// the picture beside it (submenu items only).
#include <span>

namespace shell {

struct MenuEntry {
    const char *name;    // object name of the item's action
    int level;           // 0 top level, 1 submenu item, 2 item of a nested submenu
    const char *caption; // UTF-8
    bool visibleAtCreation;
    const char *icon;    // resource path of the picture, nullptr for top-level items
};

std::span<const MenuEntry> menuTable();

} // namespace shell
