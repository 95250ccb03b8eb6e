#include "app/widget.h"

#include "app/widgetform.h"
#include "typing/keyinjector.h"

#include <QMessageBox>
#include <QTimer>

void Widget::on_comboBox_Baud_currentIndexChanged(const QString &arg1)
{
    serialSettings.baudRate = baudRateFor(arg1);
    openPort();
}

void Widget::on_comboBox_BitParity_currentIndexChanged(const QString &arg1)
{
    setCharacterFormatFor(arg1, serialSettings);
    openPort();
}

void Widget::on_comboBox_StopBit_currentIndexChanged(const QString &arg1)
{
    serialSettings.stopBits = stopBitsFor(arg1);
    openPort();
}

void Widget::on_comboBox_HdShake_currentIndexChanged(const QString &arg1)
{
    serialSettings.flowControl = flowControlFor(arg1);
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

    serialPort = createSerialLink(portName);
    if (!serialPort->open(serialSettings)) {
        QMessageBox::critical(this, tr("Open COM port Failed"),
                              tr("Open COM port Failed, check whether it's occupied"));
        ui->checkBox_Connect->setChecked(false);
        return;
    }
    connect(serialPort.get(), &SerialLink::readyRead, this, &Widget::readMyCom);
    connect(serialPort.get(), &SerialLink::deviceLost, this, &Widget::deviceLost);
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

// The link of the lost device is kept, closed, with its connections; it is opened again as it is
// once the device is back.
void Widget::deviceLost()
{
    ui->checkBox_Connect->setChecked(false);
    dropUnfinishedLine();
    reopenTimer->start();
}

// A failed attempt (still gone, or busy) stays silent.
void Widget::tryReopeningLostPort()
{
    if (!serialPort || !serialPort->open(serialSettings))
        return;
    stopReopening();
    ui->checkBox_Connect->setChecked(true);
    setSendEnabled(true);
}

// What the last device sent of a line it never finished is not joined to what the next one sends.
void Widget::dropUnfinishedLine()
{
    receivedLines.dropUnfinishedLine();
    if (injector)
        injector->forgetLine();
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
    dropUnfinishedLine();
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
