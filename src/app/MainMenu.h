#pragma once

class CommandActions;
class OptionsModel;
class QMenuBar;

// The main window's menus and their items, in their fixed order: the
// commands' actions and the settings' check-marked items, bound to the
// options. A menu is locked as a whole while a batch runs.
void buildMainMenu(QMenuBar *bar, CommandActions &commands, OptionsModel &options);
