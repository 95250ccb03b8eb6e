#include "app/widget.h"

#include "app/datalog.h"
#include "app/widgetform.h"
#include "notices/notices.h"
#include "serial/connection.h"
#include "serial/portlist.h"
#include "typing/keyinjector.h"

#include <QComboBox>
#include <QMessageBox>
#include <QSignalBlocker>

namespace {

void showOpenFailure(QWidget *parent, const QString &reason)
{
    QMessageBox box(QMessageBox::Critical, Widget::tr("Open COM port Failed"),
                    Widget::tr("Open COM port Failed, check whether it's occupied"),
                    QMessageBox::Ok, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setInformativeText(reason);
    box.exec();
}

} // namespace

// The lists carry what each entry stands for; their texts, which a translation may change, are
// never read back.
void Widget::attachSettingValues()
{
    const auto attach = [](QComboBox *list, const auto &values) {
        for (int index = 0; index < values.size(); ++index)
            list->setItemData(index, QVariant::fromValue(values[index]));
    };
    attach(ui->comboBox_Baud, baudRateEntries());
    attach(ui->comboBox_BitParity, characterFormatEntries());
    attach(ui->comboBox_StopBit, stopBitsEntries());
    attach(ui->comboBox_HdShake, flowControlEntries());
    attach(ui->comboBox_ExportMode, QVector<bool>{true, false}); // Fennick, Standard
}

void Widget::on_comboBox_Baud_currentIndexChanged(const QString &)
{
    SerialSettings settings = connection->settings();
    settings.baudRate = ui->comboBox_Baud->currentData().toInt();
    openWith(settings);
}

void Widget::on_comboBox_BitParity_currentIndexChanged(const QString &)
{
    SerialSettings settings = connection->settings();
    const auto format = ui->comboBox_BitParity->currentData().value<CharacterFormat>();
    settings.dataBits = format.dataBits;
    settings.parity = format.parity;
    openWith(settings);
}

void Widget::on_comboBox_StopBit_currentIndexChanged(const QString &)
{
    SerialSettings settings = connection->settings();
    settings.stopBits = ui->comboBox_StopBit->currentData().value<SerialSettings::StopBits>();
    openWith(settings);
}

void Widget::on_comboBox_HdShake_currentIndexChanged(const QString &)
{
    SerialSettings settings = connection->settings();
    settings.flowControl = ui->comboBox_HdShake->currentData().value<SerialSettings::FlowControl>();
    openWith(settings);
}

void Widget::openWith(const SerialSettings &settings)
{
    noticesEnd(NoticeEnd::UserAction);
    connection->setSettings(settings);
    openPort();
}

void Widget::openPort()
{
    const QString portName = ui->comboBox_SerialPort->currentText();
    if (portName.isEmpty())
        return;

    if (!connection->open(portName)) {
        // The box says what it always said; the system's reason goes beside it and under it.
        tellUser(tr("Could not open %1").arg(portName).toStdString(),
                 connection->failureReason().toStdString(), NoticeEnd::PortOpened);
        showOpenFailure(this, connection->failureReason());
        // The lost device may have come back and been opened while the box was up.
        ui->checkBox_Connect->setChecked(connection->isOpen());
        return;
    }
    noticesEnd(NoticeEnd::PortOpened);
    showOpenedPortSelected();
    ui->checkBox_Connect->setChecked(true);
}

void Widget::settingRefused(const QString &setting)
{
    tellUser(tr("%1 did not take a setting").arg(connection->portName()).toStdString(),
             tr("Its driver refused %1 and keeps its own instead; readings may come out garbled "
                "if the instrument does not use the same.")
                 .arg(setting)
                 .toStdString(),
             NoticeEnd::UserAction);
}

// Listing the ports anew never opens one: the selection only changes when the user picks.
void Widget::refreshPortList()
{
    showPorts(PortList::available(), ui->comboBox_SerialPort->currentText());
}

// A selected port that is gone stays shown, where it was, until the user picks another; with
// nothing selected, nothing is.
void Widget::showPorts(const QList<PortInfo> &ports, const QString &selected)
{
    PortComboBox *list = ui->comboBox_SerialPort;
    const QSignalBlocker quiet(list);
    const int selectedIndex = list->findText(selected);
    const QVariant selectedToolTip = list->itemData(selectedIndex, Qt::ToolTipRole);
    list->clear();
    for (const PortInfo &port : ports)
        addPortEntry(port);
    if (selected.isEmpty()) {
        list->setCurrentIndex(-1);
        return;
    }
    if (list->findText(selected) < 0) {
        const int keptAt = qBound(0, selectedIndex, list->count());
        list->insertItem(keptAt, selected);
        list->setItemData(keptAt, selectedToolTip, Qt::ToolTipRole);
    }
    list->setCurrentIndex(list->findText(selected));
}

void Widget::addPortEntry(const PortInfo &port)
{
    ui->comboBox_SerialPort->addItem(port.name);
    ui->comboBox_SerialPort->setItemData(ui->comboBox_SerialPort->count() - 1, portToolTip(port),
                                         Qt::ToolTipRole);
}

QString Widget::portToolTip(const PortInfo &port) const
{
    QStringList lines;
    if (!port.description.isEmpty())
        lines << port.description;
    if (!port.manufacturer.isEmpty())
        lines << port.manufacturer;
    if (port.vendorId && port.productId)
        lines << tr("USB %1:%2")
                     .arg(*port.vendorId, 4, 16, QLatin1Char('0'))
                     .arg(*port.productId, 4, 16, QLatin1Char('0'));
    if (!port.serialNumber.isEmpty())
        lines << tr("Serial number %1").arg(port.serialNumber);
    if (!port.stableLink.isEmpty())
        lines << port.stableLink;
    return lines.join(QLatin1Char('\n'));
}

void Widget::setReopenInterval(int milliseconds)
{
    connection->setReopenInterval(milliseconds);
}

void Widget::deviceLost()
{
    ui->checkBox_Connect->setChecked(false);
    dropUnfinishedLine();
}

void Widget::lostDeviceReopened()
{
    noticesEnd(NoticeEnd::PortOpened);
    showOpenedPortSelected();
    ui->checkBox_Connect->setChecked(true);
    setSendEnabled(true);
}

// A device found again under another name is shown selected under that name.
void Widget::showOpenedPortSelected()
{
    if (connection->portName() != ui->comboBox_SerialPort->currentText())
        showPorts(PortList::available(), connection->portName());
}

// What the last device sent of a line it never finished is not joined to what the next one sends;
// it is kept in the log.
void Widget::dropUnfinishedLine()
{
    dataLog->append(readings.dropUnfinishedReading(ui->checkBox_ToKeyboard->isChecked()));
}

void Widget::on_checkBox_Connect_clicked(bool checked)
{
    noticesEnd(NoticeEnd::UserAction);
    if (checked) {
        openPort();
        setSendEnabled(true);
    } else {
        connection->close();
        dropUnfinishedLine();
    }
}

// Picking a port takes it by its name, whatever device was looked for before.
void Widget::on_comboBox_SerialPort_currentIndexChanged(int index)
{
    Q_UNUSED(index)
    noticesEnd(NoticeEnd::UserAction);
    ui->checkBox_Connect->setChecked(false);
    setSendEnabled(false);
    connection->close();
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
    if (!connection->isOpen())
        return;
    QByteArray line = ui->lineEdit_SendCommand->text().toLocal8Bit();
    line.append("\n\r");
    connection->write(line);
}

void Widget::on_checkBox_ToKeyboard_clicked()
{
    const bool logMode = !ui->checkBox_ToKeyboard->isChecked();
    ui->lineEdit_SendCommand->setEnabled(logMode);
    ui->pushButton_SendCommand->setEnabled(logMode);
}
