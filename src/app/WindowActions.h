#pragma once

// The main window's actions, made from kActions with our own pictures, its menus, and
// the names of the buttons the tool bars make for the actions.

#include "app/ActionTable.h"

#include <array>
#include <string_view>

class QAction;
class QIcon;
class QMainWindow;
class QMenuBar;
class QToolBar;
class QWidget;

namespace tesselo {

using WindowActions = std::array<QAction*, kActionCount>;

// Loads our pictures; without a desktop icon theme the freedesktop names find Adwaita's.
void InitPictures();
// Our own pictures, not the desktop theme's: one coloured set whose disabled pictures
// the toolkit greys, where themes often draw every state in the same pale grey.
QIcon Picture(std::string_view ownName);

// Every action of kActions, at its id's place, added to `window` for its shortcut.
WindowActions MakeActions(QWidget& window);
void BuildMenus(QMenuBar& bar, const WindowActions& actions);
// The window's own tool bar, ToolBar1: files, undo and the clipboard, with room after
// them for the preview's controls.
QToolBar* BuildMainToolBar(QMainWindow& window, const WindowActions& actions);
// The toolkit's copy of whichever text box has the focus.
void CopyFromFocus();
// The buttons a tool bar makes for its actions carry the action's name, so that they
// are found like every other control.
void NameActionButtons(const QWidget& window);

} // namespace tesselo
