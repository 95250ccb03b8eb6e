#ifndef QUILLON_SERIAL_SERIALSETTINGS_H
#define QUILLON_SERIAL_SERIALSETTINGS_H

#include <QMetaType>
#include <QVector>

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

// What the entries of the window's setting lists stand for, entry by entry in the lists' order
// ("9600", "1200", ...; "8/NO", "7/NO", "7/MARK", ...; "1", "2"; "XON/XOFF", "OFF", "RTS/CTS"),
// so that the lists carry their values and no text, translated or not, is read back.
struct CharacterFormat
{
    SerialSettings::DataBits dataBits;
    SerialSettings::Parity parity;
};
const QVector<int> &baudRateEntries();
const QVector<CharacterFormat> &characterFormatEntries();
const QVector<SerialSettings::StopBits> &stopBitsEntries();
const QVector<SerialSettings::FlowControl> &flowControlEntries();

Q_DECLARE_METATYPE(CharacterFormat)
Q_DECLARE_METATYPE(SerialSettings::StopBits)
Q_DECLARE_METATYPE(SerialSettings::FlowControl)

#endif
