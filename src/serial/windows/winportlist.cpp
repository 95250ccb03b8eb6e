// The COM ports Windows knows: those of the Ports device class in the order SetupAPI reports them,
// then any other the serial drivers have registered (virtual ports, some adapters' drivers).
#include "serial/portlist.h"

#include <windows.h>

#include <devguid.h>
#include <setupapi.h>

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

void addDevicePorts(QStringList &names)
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
        if (name.startsWith(QLatin1String("COM")) && !names.contains(name))
            names << name;
    }
    SetupDiDestroyDeviceInfoList(devices);
}

void addRegisteredPorts(QStringList &names)
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
        const QString name = QString::fromWCharArray(value);
        if (type == REG_SZ && !name.isEmpty() && !names.contains(name))
            names << name;
    }
    RegCloseKey(key);
}

} // namespace

QStringList PortList::systemPortNames()
{
    QStringList names;
    addDevicePorts(names);
    addRegisteredPorts(names);
    return names;
}
