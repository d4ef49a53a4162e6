#pragma once
class QApplication;

// Names, German locale and Qt's German texts for the standard dialogs; shared by the program
// and the start-up benchmark so that both start the same way.
void setUpApplication(QApplication& app);
// Before the application object exists: what a web engine loaded later on needs to be set now.
void setUpBeforeApplication();
