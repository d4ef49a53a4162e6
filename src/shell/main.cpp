#include "shell/appcontext.h"
#include "shell/applicationsetup.h"
#include "shell/settingssession.h"
#include "shell/terminationsignals.h"
#include "shell/testinputhook.h"
#include "shell/tform1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication(app);
    const auto testHook = TestInputHook::fromEnvironment();  // null outside tests
    AppContext context;
    TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &TerminationSignals::received, &context.settings(),
                     &SettingsSession::closeWithoutAsking);
    if (testHook) testHook->attach(context);
    context.mainWindow().show();
    return QApplication::exec();
}
