#include "serial/serialsettings.h"

const QVector<int> &baudRateEntries()
{
    static const QVector<int> rates = {9600, 1200, 2400, 4800, 19200, 38400, 57600, 115200};
    return rates;
}

const QVector<CharacterFormat> &characterFormatEntries()
{
    using DataBits = SerialSettings::DataBits;
    using Parity = SerialSettings::Parity;
    static const QVector<CharacterFormat> formats = {
        {DataBits::Data8, Parity::NoParity},   {DataBits::Data7, Parity::NoParity},
        {DataBits::Data7, Parity::MarkParity}, {DataBits::Data7, Parity::SpaceParity},
        {DataBits::Data7, Parity::EvenParity}, {DataBits::Data7, Parity::OddParity},
    };
    return formats;
}

const QVector<SerialSettings::StopBits> &stopBitsEntries()
{
    static const QVector<SerialSettings::StopBits> stopBits = {SerialSettings::StopBits::OneStop,
                                                               SerialSettings::StopBits::TwoStop};
    return stopBits;
}

const QVector<SerialSettings::FlowControl> &flowControlEntries()
{
    using FlowControl = SerialSettings::FlowControl;
    static const QVector<FlowControl> flowControls = {
        FlowControl::SoftwareControl, FlowControl::NoFlowControl, FlowControl::HardwareControl};
    return flowControls;
}
