#include "app/displayscale.h"
#include "app/widget.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    enableDisplayScaling();
    QApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath());
    Widget window;
    window.prepareKeyInjector();
    window.showAsFixedSizeDialog();
    return app.exec();
}
