#pragma once

// Makes ShowMessageBox show the platform's message box: the warning icon, an OK button and the
// program's name as caption, over the window that is active.
void InstallQtMessageBox();
