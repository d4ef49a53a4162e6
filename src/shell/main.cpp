#include "appcontext.h"
#include "applicationsetup.h"
#include "tform1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication(app);
    AppContext context;
    context.mainWindow().show();
    return QApplication::exec();
}
