#pragma once

#include "core/document/Commands.h"

#include <array>
#include <span>
#include <string_view>

namespace orthavel {

// One entry of the menu bar. A row whose id is 0 is a separator. The menu path names the menu and
// its submenus joined with '>'; captions hold "&" before their mnemonic letter. The key is a
// shortcut, or several separated by "; ". The prompt is the status-bar text, with the tooltip
// after a "\n". Undo and Redo show the command they undo or redo after their caption.
struct MenuEntry {
    int id;
    std::string_view menu;
    std::string_view caption;
    std::string_view key;
    std::string_view prompt;
    bool checkable = false;
};

// Every menu entry in the order the menus show them. The recent-file row stands for the numbered
// recent files, which the frame puts in its place.
std::span<const MenuEntry> menuEntries();

// The menu entry of a command, if it has one.
const MenuEntry* findMenuEntry(int id);

// The toolbar buttons from left to right; 0 is a separator.
inline constexpr std::array<int, 16> kToolbarButtons{
    ID_FILE_NEW,
    ID_FULL_GENERATION,
    ID_FILE_OPEN,
    ID_FILE_SAVE,
    0,
    ID_EDIT_UNDO,
    ID_EDIT_REDO,
    0,
    ID_FILE_PRINT,
    ID_APP_ABOUT,
    0,
    ID_VIEW_MAIN_MENU,
    ID_VIEW_PAGE1,
    ID_VIEW_PAGE2,
    ID_VIEW_PAGE3,
    ID_VIEW_PAGE4,
};

// The status-bar text and the tooltip of a prompt.
std::string_view statusPrompt(std::string_view prompt);
std::string_view toolTipOf(std::string_view prompt);

} // namespace orthavel
