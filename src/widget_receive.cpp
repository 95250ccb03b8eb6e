#include "widget.h"

#include "keyinjector.h"
#include "receivelogic.h"
#include "widgetform.h"

#include <QScrollBar>

void Widget::readMyCom()
{
    if (!serialPort || !serialPort->isOpen())
        return;
    if (serialPort->bytesAvailable() <= 0)
        return;
    rxBuffer.append(serialPort->readAll());
    if (!ReceiveLogic::containsEndMarker(rxBuffer))
        return;

    if (ui->checkBox_ToKeyboard->isChecked())
        readMyComAsKeyboard();
    ui->textBrowser_dataLog->insertPlainText(ReceiveLogic::logText(rxBuffer));
    ui->textBrowser_dataLog->verticalScrollBar()->setSliderPosition(1000000000);
    rxBuffer.clear();
}

void Widget::readMyComAsKeyboard()
{
    if (directMode)
        ReceiveLogic::translateFennickEscapes(rxBuffer);
    KeyInjector &keys = keyInjector();
    for (const char byte : qAsConst(rxBuffer)) {
        keys.typeByte(static_cast<unsigned char>(byte));
        keys.pauseAfterKey();
    }
    rxBuffer.clear();
}

void Widget::on_pushButtonClear_clicked()
{
    ui->textBrowser_dataLog->clear();
}

void Widget::on_comboBox_ExportMode_currentIndexChanged(const QString &arg1)
{
    directMode = arg1 == QLatin1String("Fennick");
}
