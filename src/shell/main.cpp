#include "shell/appcontext.h"
#include "shell/applicationsetup.h"
#include "shell/tform1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication(app);
    AppContext context;
    context.mainWindow().show();
    return QApplication::exec();
}
