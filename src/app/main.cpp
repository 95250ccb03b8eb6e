#include "app/commandline.h"
#include "app/displayscale.h"
#include "app/translations.h"
#include "app/widget.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitStatus = answerCommandLine(argc, argv))
        return *exitStatus;
    enableDisplayScaling();
    QApplication app(argc, argv);
    useLanguage();
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath());
    Widget window;
    window.prepareKeyInjector();
    window.showAsFixedSizeDialog();
    return app.exec();
}
