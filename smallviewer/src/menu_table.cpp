#include "menu_table.h"

#include "texts.h"

namespace brisk {

const std::vector<MenuPopup>& menu_table() {
    static const std::vector<MenuPopup> table = {
        {kMenuFile,
         {{kCmdOpen, {QKeySequence(Qt::CTRL | Qt::Key_O), QKeySequence(Qt::Key_F3)}, false},
          {kCmdPrint, {QKeySequence(Qt::CTRL | Qt::Key_P)}, true},
          {kCmdExit, {}, false}}},
        {kMenuEdit,
         {{kCmdView, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Space)}, false},
          {kCmdDelete, {QKeySequence(Qt::Key_Delete)}, true},
          {kCmdFileManager, {QKeySequence(Qt::Key_F6)}, false}}},
    };
    return table;
}

}  // namespace brisk
