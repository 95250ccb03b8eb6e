#include "widget.h"

#include "widgetform.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <utility>

namespace {

int baudRateFor(const QString &text)
{
    for (int rate : {4800, 1200, 2400, 19200, 38400, 57600, 115200}) {
        if (text == QString::number(rate))
            return rate;
    }
    return 9600;
}

struct CharacterFormat
{
    QSerialPort::DataBits dataBits;
    QSerialPort::Parity parity;
};

CharacterFormat characterFormatFor(const QString &text)
{
    static const std::pair<const char *, CharacterFormat> sevenBitFormats[] = {
        {"7/NO", {QSerialPort::Data7, QSerialPort::NoParity}},
        {"7/MARK", {QSerialPort::Data7, QSerialPort::MarkParity}},
        {"7/SPACE", {QSerialPort::Data7, QSerialPort::SpaceParity}},
        {"7/EVEN", {QSerialPort::Data7, QSerialPort::EvenParity}},
        {"7/ODD", {QSerialPort::Data7, QSerialPort::OddParity}},
    };
    for (const auto &[name, format] : sevenBitFormats) {
        if (text == QLatin1String(name))
            return format;
    }
    return {QSerialPort::Data8, QSerialPort::NoParity};
}

QSerialPort::FlowControl flowControlFor(const QString &text)
{
    if (text == QLatin1String("OFF"))
        return QSerialPort::NoFlowControl;
    if (text == QLatin1String("RTS/CTS"))
        return QSerialPort::HardwareControl;
    return QSerialPort::SoftwareControl;
}

bool meansPortIsGone(QSerialPort::SerialPortError error)
{
    // A hang-up or an unplugged adapter arrives as ReadError (repeated while the port stays open)
    // or ResourceError; any other error, such as a refused setting, leaves the port usable.
    return error == QSerialPort::ReadError || error == QSerialPort::ResourceError;
}

} // namespace

void Widget::on_comboBox_Baud_currentIndexChanged(const QString &arg1)
{
    baudRate = baudRateFor(arg1);
    openPort();
}

void Widget::on_comboBox_BitParity_currentIndexChanged(const QString &arg1)
{
    const CharacterFormat format = characterFormatFor(arg1);
    dataBits = format.dataBits;
    parity = format.parity;
    openPort();
}

void Widget::on_comboBox_StopBit_currentIndexChanged(const QString &arg1)
{
    stopBits = arg1 == QLatin1String("2") ? QSerialPort::TwoStop : QSerialPort::OneStop;
    openPort();
}

void Widget::on_comboBox_HdShake_currentIndexChanged(const QString &arg1)
{
    flowControl = flowControlFor(arg1);
    openPort();
}

void Widget::openPort()
{
    stopReopening();
    if (serialPort) {
        serialPort->close();
        serialPort.reset();
    }
    const QString portName = ui->comboBox_SerialPort->currentText();
    if (portName.isEmpty())
        return;

    serialPort = std::make_unique<QSerialPort>(portName);
    if (!serialPort->open(QIODevice::ReadWrite)) {
        QMessageBox::critical(this, tr("Open COM port Failed"),
                              tr("Open COM port Failed, check whether it's occupied"));
        ui->checkBox_Connect->setChecked(false);
        return;
    }
    connect(serialPort.get(), &QSerialPort::readyRead, this, &Widget::readMyCom);
    watchForPortLoss();
    applySettings();
    ui->checkBox_Connect->setChecked(true);
}

void Widget::setReopenInterval(int milliseconds)
{
    reopenTimer->setInterval(milliseconds);
}

void Widget::stopReopening()
{
    reopenTimer->stop();
}

// The port object of the lost device is kept, closed, with its connections; it is opened again
// as it is once the device is back. A failed attempt (still gone, or busy) stays silent.
void Widget::tryReopeningLostPort()
{
    if (!serialPort || !serialPort->open(QIODevice::ReadWrite))
        return;
    stopReopening();
    applySettings();
    ui->checkBox_Connect->setChecked(true);
    setSendEnabled(true);
}

void Widget::applySettings()
{
    serialPort->setBaudRate(baudRate, QSerialPort::AllDirections);
    serialPort->setDataBits(dataBits);
    serialPort->setFlowControl(flowControl);
    serialPort->setParity(parity);
    serialPort->setStopBits(stopBits);
}

void Widget::watchForPortLoss()
{
    // Queued, because closing a port from inside its own error signal pulls its notifier away
    // under it. The guard drops reports that outlive their port object.
    QPointer<QSerialPort> port = serialPort.get();
    connect(
        port, &QSerialPort::errorOccurred, this,
        [this, port](QSerialPort::SerialPortError error) {
            if (!meansPortIsGone(error) || !port || !port->isOpen())
                return;
            port->close();
            ui->checkBox_Connect->setChecked(false);
            reopenTimer->start();
        },
        Qt::QueuedConnection);
}

void Widget::on_checkBox_Connect_clicked(bool checked)
{
    stopReopening();
    if (checked) {
        openPort();
        setSendEnabled(true);
    } else if (serialPort) {
        serialPort->close();
    }
}

void Widget::on_comboBox_SerialPort_currentIndexChanged(int index)
{
    Q_UNUSED(index)
    ui->checkBox_Connect->setChecked(false);
    setSendEnabled(false);
    if (serialPort)
        serialPort->close();
    openPort();
}

void Widget::setSendEnabled(bool on)
{
    if (ui->checkBox_ToKeyboard->isChecked())
        return;
    ui->pushButton_SendCommand->setEnabled(on);
}

void Widget::on_pushButton_SendCommand_clicked()
{
    sendCommandLine();
}

void Widget::on_lineEdit_SendCommand_returnPressed()
{
    sendCommandLine();
}

void Widget::sendCommandLine()
{
    // A closed port would refuse the write anyway; asking first spares a warning on stderr.
    if (!serialPort || !serialPort->isOpen())
        return;
    QByteArray line = ui->lineEdit_SendCommand->text().toLocal8Bit();
    line.append("\n\r");
    serialPort->write(line);
}

void Widget::on_checkBox_ToKeyboard_clicked()
{
    const bool logMode = !ui->checkBox_ToKeyboard->isChecked();
    ui->lineEdit_SendCommand->setEnabled(logMode);
    ui->pushButton_SendCommand->setEnabled(logMode);
}
