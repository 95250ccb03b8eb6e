#include "app/widget.h"

#include "app/datalog.h"
#include "app/widgetform.h"
#include "typing/keyinjector.h"

void Widget::readMyCom(const QByteArray &bytes, int lossesFound)
{
    readings.receive(bytes, lossesFound);
    if (ui->checkBox_ToKeyboard->isChecked())
        readMyComAsKeyboard();
    else
        dataLog->append(readings.logDue());
}

void Widget::readMyComAsKeyboard()
{
    dataLog->append(readings.typeDue(keyInjector(), directMode));
}

void Widget::setLogLimits(int lines, int characters)
{
    dataLog->setLimits(lines, characters);
}

void Widget::on_pushButtonClear_clicked()
{
    dataLog->clear();
}

void Widget::on_comboBox_ExportMode_currentIndexChanged(const QString &)
{
    directMode = ui->comboBox_ExportMode->currentData().toBool();
}
