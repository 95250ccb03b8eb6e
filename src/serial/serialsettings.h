#ifndef QUILLON_SERIAL_SERIALSETTINGS_H
#define QUILLON_SERIAL_SERIALSETTINGS_H

#include <QString>

// The line settings a port is opened with.
struct SerialSettings
{
    enum class DataBits
    {
        Data7 = 7,
        Data8 = 8,
    };
    enum class Parity
    {
        NoParity = 0,
        EvenParity = 2,
        OddParity = 3,
        SpaceParity = 4,
        MarkParity = 5,
    };
    enum class StopBits
    {
        OneStop = 1,
        TwoStop = 2,
    };
    enum class FlowControl
    {
        NoFlowControl = 0,
        HardwareControl = 1,
        SoftwareControl = 2,
    };

    int baudRate = 9600;
    DataBits dataBits = DataBits::Data8;
    Parity parity = Parity::NoParity;
    StopBits stopBits = StopBits::OneStop;
    FlowControl flowControl = FlowControl::NoFlowControl;
};

// What the entries of the window's setting lists stand for. Each compares the text exactly; any
// text it does not know gives the value of the list's first entry ("9600", "8/NO", "1"), and for
// the handshake software flow control.
int baudRateFor(const QString &text);
void setCharacterFormatFor(const QString &text, SerialSettings &settings);
SerialSettings::StopBits stopBitsFor(const QString &text);
SerialSettings::FlowControl flowControlFor(const QString &text);

#endif
