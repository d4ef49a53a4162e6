#pragma once
class QApplication;
class QIcon;

// The window icon at the sizes title bars and task bars ask for (data/icons).
QIcon programIcon();

// Names, German locale and Qt's German texts for the standard dialogs; shared by the program
// and the start-up benchmark so that both start the same way.
void setUpApplication(QApplication& app);
