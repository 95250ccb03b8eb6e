#include "app/widget.h"

#include "app/datalog.h"
#include "app/displayscale.h"
#include "app/ownwindows.h"
#include "app/widgetform.h"
#include "serial/connection.h"
#include "serial/portlist.h"
#include "typing/keyinjector.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

namespace {

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quillon-%1.png").arg(size));
    return icon;
}

} // namespace

Widget::Widget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<WidgetForm>()), connection(new Connection(this)),
      directMode(true), ownWindows(std::make_unique<QtOwnWindows>())
{
    connect(connection, &Connection::received, this, &Widget::readMyCom);
    connect(connection, &Connection::deviceLost, this, &Widget::deviceLost);
    connect(connection, &Connection::reopened, this, &Widget::lostDeviceReopened);
    connect(connection, &Connection::settingRefused, this, &Widget::settingRefused);
    ui->setupUi(this);
    attachSettingValues();
    dataLog = new DataLog(ui->textBrowser_dataLog);
    scaleFormToDisplay(this);
    // The application's, so that the notices' tray icon has it too.
    QApplication::setWindowIcon(applicationIcon());

    // Adding the first port makes it current, which opens it through the selection handler.
    for (const PortInfo &port : PortList::available())
        addPortEntry(port);
    ui->comboBox_SerialPort->setBeforeShowingPorts([this] { refreshPortList(); });

    ui->pushButton_SendCommand->setEnabled(false);
    ui->checkBox_ToKeyboard->setChecked(true);
    ui->lineEdit_SendCommand->setEnabled(false);
}

Widget::~Widget()
{
    // The port is closed while the window it reports to is still whole.
    delete connection;
    injector.reset();
    endAllNotices();
    ui.reset();
}

void Widget::showAsFixedSizeDialog()
{
    setWindowFlags(Qt::MSWindowsFixedSizeDialogHint);
    // The flag fixes the size on Windows only; elsewhere the size is fixed explicitly.
    setFixedSize(size());
    show();
}

void Widget::prepareKeyInjector()
{
    keyInjector();
}

void Widget::setKeyInjector(std::unique_ptr<KeyInjector> replacement)
{
    injector = std::move(replacement);
    if (injector)
        injector->setOwnWindows(ownWindows.get());
}

KeyInjector &Widget::keyInjector()
{
    if (!injector)
        setKeyInjector(createKeyInjector(QGuiApplication::platformName().toStdString()));
    return *injector;
}

void Widget::on_toolButton_clicked()
{
    QMessageBox::information(this, tr("About"), tr("V1.11 \nDeveloped by Brenvik"));
}

void Widget::on_toolButton_Qt_clicked()
{
    QMessageBox::aboutQt(this, tr("About Qt"));
}
