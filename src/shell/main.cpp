#include "shell/appcontext.h"
#include "shell/applicationsetup.h"
#include "shell/settingssession.h"
#include "shell/terminationsignals.h"
#include "shell/tform1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication(app);
    AppContext context;
    TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &TerminationSignals::received, &context.settings(),
                     &SettingsSession::closeWithoutAsking);
    context.mainWindow().show();
    return QApplication::exec();
}
