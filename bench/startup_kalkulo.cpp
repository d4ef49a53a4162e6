// Kalkulo's start-up as the user meets it, ending at the first paint of the main window.
#include "startup_probe.h"

#include "shell/appcontext.h"
#include "shell/applicationsetup.h"
#include "shell/tform1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication(app);
    AppContext context;
    FirstPaintExit probe(&context.mainWindow());
    context.mainWindow().show();
    return QApplication::exec();
}
