// The COM ports Windows knows: those of the Ports device class in the order SetupAPI reports them,
// with what Device Manager says of them, then any other the serial drivers have registered
// (virtual ports, some adapters' drivers), of which only the name is known.
#include "serial/platform.h"

#include <windows.h>

#include <cfgmgr32.h>
#include <devguid.h>
#include <setupapi.h>

#include <QRegularExpression>

namespace {

QString registryString(HKEY key, const wchar_t *valueName)
{
    wchar_t value[256] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE *>(value), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    return QString::fromWCharArray(value);
}

QString deviceProperty(HDEVINFO devices, SP_DEVINFO_DATA &device, DWORD property)
{
    wchar_t value[256] = {};
    DWORD type = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(devices, &device, property, &type,
                                           reinterpret_cast<BYTE *>(value),
                                           sizeof value - sizeof(wchar_t), nullptr) ||
        type != REG_SZ)
        return {};
    return QString::fromWCharArray(value);
}

QString instanceId(HDEVINFO devices, SP_DEVINFO_DATA &device)
{
    wchar_t id[MAX_DEVICE_ID_LEN + 1] = {};
    if (!SetupDiGetDeviceInstanceIdW(devices, &device, id, MAX_DEVICE_ID_LEN, nullptr))
        return {};
    return QString::fromWCharArray(id);
}

// "USB\VID_2341&PID_0043\95635333" or "FTDIBUS\VID_0403+PID_6001+A50285BIA\0000". Windows makes
// the instance id of a USB device from its serial number, or from the socket when it has none, so
// the id itself is what tells one adapter from another.
void addUsbIdentity(PortInfo &port, const QString &id)
{
    static const QRegularExpression usbIds(
        QStringLiteral("VID_([0-9A-F]{4})[&+]PID_([0-9A-F]{4})(?:\\+([^\\\\]+))?[^\\\\]*\\\\(.*)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = usbIds.match(id);
    if (!match.hasMatch())
        return;
    port.vendorId = match.captured(1).toUShort(nullptr, 16);
    port.productId = match.captured(2).toUShort(nullptr, 16);
    const QString lastPart = match.captured(4);
    port.serialNumber = match.captured(3).isEmpty() && !lastPart.contains(QLatin1Char('&'))
                            ? lastPart
                            : match.captured(3);
    port.identity = id;
}

PortInfo devicePort(HDEVINFO devices, SP_DEVINFO_DATA &device, const QString &name)
{
    PortInfo port;
    port.name = name;
    port.description = deviceProperty(devices, device, SPDRP_FRIENDLYNAME);
    if (port.description.isEmpty())
        port.description = deviceProperty(devices, device, SPDRP_DEVICEDESC);
    port.manufacturer = deviceProperty(devices, device, SPDRP_MFG);
    addUsbIdentity(port, instanceId(devices, device));
    return port;
}

bool listed(const QList<PortInfo> &ports, const QString &name)
{
    return PortList::find(ports, name).has_value();
}

void addDevicePorts(QList<PortInfo> &ports)
{
    HDEVINFO devices = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE)
        return;
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof device;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
        HKEY key = SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE)
            continue;
        const QString name = registryString(key, L"PortName");
        RegCloseKey(key);
        if (name.startsWith(QLatin1String("COM")) && !listed(ports, name))
            ports << devicePort(devices, device, name);
    }
    SetupDiDestroyDeviceInfoList(devices);
}

void addRegisteredPorts(QList<PortInfo> &ports)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return;
    for (DWORD index = 0;; ++index) {
        wchar_t valueName[256] = {};
        DWORD nameLength = 255;
        wchar_t value[256] = {};
        DWORD size = sizeof value - sizeof(wchar_t);
        DWORD type = 0;
        const LONG result = RegEnumValueW(key, index, valueName, &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE *>(value), &size);
        if (result != ERROR_SUCCESS)
            break;
        PortInfo port;
        port.name = QString::fromWCharArray(value);
        if (type == REG_SZ && !port.name.isEmpty() && !listed(ports, port.name))
            ports << port;
    }
    RegCloseKey(key);
}

} // namespace

QList<PortInfo> PortList::systemPorts()
{
    QList<PortInfo> ports;
    addDevicePorts(ports);
    addRegisteredPorts(ports);
    return ports;
}
