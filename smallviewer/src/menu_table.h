#pragma once
// Menu 1001 and accelerator table 1001 of the small viewer.
#include <QKeySequence>
#include <vector>

namespace brisk {

struct MenuItem {
    int command;
    std::vector<QKeySequence> keys;  // the accelerators of the command
    bool separator_after;
};

struct MenuPopup {
    unsigned title;  // menu text number
    std::vector<MenuItem> items;
};

const std::vector<MenuPopup>& menu_table();

}  // namespace brisk
