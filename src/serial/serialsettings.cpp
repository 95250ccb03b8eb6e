#include "serial/serialsettings.h"

#include <utility>

int baudRateFor(const QString &text)
{
    for (int rate : {4800, 1200, 2400, 19200, 38400, 57600, 115200}) {
        if (text == QString::number(rate))
            return rate;
    }
    return 9600;
}

void setCharacterFormatFor(const QString &text, SerialSettings &settings)
{
    using Parity = SerialSettings::Parity;
    static const std::pair<const char *, Parity> sevenBitFormats[] = {
        {"7/NO", Parity::NoParity},       {"7/MARK", Parity::MarkParity},
        {"7/SPACE", Parity::SpaceParity}, {"7/EVEN", Parity::EvenParity},
        {"7/ODD", Parity::OddParity},
    };
    for (const auto &[name, parity] : sevenBitFormats) {
        if (text == QLatin1String(name)) {
            settings.dataBits = SerialSettings::DataBits::Data7;
            settings.parity = parity;
            return;
        }
    }
    settings.dataBits = SerialSettings::DataBits::Data8;
    settings.parity = Parity::NoParity;
}

SerialSettings::StopBits stopBitsFor(const QString &text)
{
    return text == QLatin1String("2") ? SerialSettings::StopBits::TwoStop
                                      : SerialSettings::StopBits::OneStop;
}

SerialSettings::FlowControl flowControlFor(const QString &text)
{
    if (text == QLatin1String("OFF"))
        return SerialSettings::FlowControl::NoFlowControl;
    if (text == QLatin1String("RTS/CTS"))
        return SerialSettings::FlowControl::HardwareControl;
    return SerialSettings::FlowControl::SoftwareControl;
}
