#ifndef QUILLON_APP_WIDGET_H
#define QUILLON_APP_WIDGET_H

#include "receive/readingrouter.h"

#include <QWidget>

#include <memory>

class Connection;
class DataLog;
class KeyInjector;
class OwnWindows;
struct PortInfo;
struct SerialSettings;
struct WidgetForm;

// The main window: owns the form, the connection to the device and the received data.
class Widget : public QWidget
{
    Q_OBJECT

public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    // Shows the window with the thin frame of a fixed-size dialog; its size cannot be changed.
    void showAsFixedSizeDialog();

    // Chooses the platform's way of typing now rather than at the first line, so that the choice
    // is reported at start.
    void prepareKeyInjector();

    // The data log keeps the newest this many lines and characters, and at most an eighth more,
    // so that a long run cannot use up the memory; older ones are dropped as new ones arrive.
    void setLogLimits(int lines, int characters);

    // How often a device lost while connected is looked for again.
    void setReopenInterval(int milliseconds);

    // Replaces the platform's key injector; until then it is created on first use. Either way it
    // never types into this program's own windows.
    void setKeyInjector(std::unique_ptr<KeyInjector> injector);

private slots:
    void readMyCom(const QByteArray &bytes, int lossesFound);
    void readMyComAsKeyboard();
    void on_pushButtonClear_clicked();
    void on_pushButton_SendCommand_clicked();
    void on_lineEdit_SendCommand_returnPressed();
    void on_comboBox_Baud_currentIndexChanged(const QString &arg1);
    void on_checkBox_Connect_clicked(bool checked);
    void on_comboBox_BitParity_currentIndexChanged(const QString &arg1);
    void on_comboBox_StopBit_currentIndexChanged(const QString &arg1);
    void on_comboBox_HdShake_currentIndexChanged(const QString &arg1);
    void on_comboBox_SerialPort_currentIndexChanged(int index);
    void on_checkBox_ToKeyboard_clicked();
    void on_toolButton_clicked();
    void on_toolButton_Qt_clicked();
    void on_comboBox_ExportMode_currentIndexChanged(const QString &arg1);

private:
    void attachSettingValues();
    void openPort();
    void openWith(const SerialSettings &settings);
    void refreshPortList();
    void showPorts(const QList<PortInfo> &ports, const QString &selected);
    void addPortEntry(const PortInfo &port);
    QString portToolTip(const PortInfo &port) const;
    void setSendEnabled(bool on);
    void deviceLost();
    void lostDeviceReopened();
    void settingRefused(const QString &setting);
    void showOpenedPortSelected();
    void dropUnfinishedLine();
    void sendCommandLine();
    KeyInjector &keyInjector();

    std::unique_ptr<WidgetForm> ui;
    Connection *connection;
    ReadingRouter readings;
    DataLog *dataLog = nullptr;
    bool directMode;
    std::unique_ptr<OwnWindows> ownWindows;
    std::unique_ptr<KeyInjector> injector;
};

#endif
