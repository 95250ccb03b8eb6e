// The serial link on the Win32 communications API.
//
// Reading: one overlapped ReadFile of a single byte is always pending, its event watched by a
// QWinEventNotifier; when it completes, what ClearCommError reports queued is read at once. With
// the timeouts below, Windows completes that read as soon as a byte arrives, and wine (whose
// serial reads end only when the buffer is full) does the same for a one-byte buffer. A read that
// ends with no byte (the long total timeout) is simply issued again. No I/O completion port and
// no WaitCommEvent: wine delivers neither for a port on a pseudo-terminal.
//
// Loss: a failed read or write (an unplugged adapter: 5, 22, 995, 1167; a hang-up under wine:
// 109, 21), or a ClearCommError that fails while open, closes the link and reports the device
// lost. Opening checks that the handle is a serial port at all: a COM name that leads nowhere can
// still give a handle.
#include "serial/seriallink.h"

#include <QTimer>
#include <QWinEventNotifier>

#include <windows.h>

#include <deque>

namespace {

// How often an open port is asked whether it is still there, for drivers that leave a pending
// read waiting when their device goes away.
constexpr int presenceCheckMs = 1000;

BYTE parityFor(SerialSettings::Parity parity)
{
    switch (parity) {
    case SerialSettings::Parity::EvenParity:
        return EVENPARITY;
    case SerialSettings::Parity::OddParity:
        return ODDPARITY;
    case SerialSettings::Parity::SpaceParity:
        return SPACEPARITY;
    case SerialSettings::Parity::MarkParity:
        return MARKPARITY;
    case SerialSettings::Parity::NoParity:
        break;
    }
    return NOPARITY;
}

void setFlowControl(DCB &dcb, SerialSettings::FlowControl flow)
{
    const bool hardware = flow == SerialSettings::FlowControl::HardwareControl;
    const bool software = flow == SerialSettings::FlowControl::SoftwareControl;
    dcb.fOutxCtsFlow = hardware;
    dcb.fRtsControl = hardware ? RTS_CONTROL_HANDSHAKE : RTS_CONTROL_ENABLE;
    dcb.fOutX = software;
    dcb.fInX = software;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    dcb.XonLim = 2048;
    dcb.XoffLim = 512;
}

// An overlapped operation with an event of its own, which stays usable across opens.
struct Overlapped
{
    Overlapped() { io.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr); }
    ~Overlapped() { CloseHandle(io.hEvent); }
    Overlapped(const Overlapped &) = delete;
    Overlapped &operator=(const Overlapped &) = delete;

    void reset()
    {
        HANDLE event = io.hEvent;
        io = {};
        io.hEvent = event;
        ResetEvent(event);
    }

    OVERLAPPED io = {};
};

class Win32SerialLink : public SerialLink
{
public:
    explicit Win32SerialLink(const QString &portName)
        : path(QStringLiteral("\\\\.\\") + portName), readDone(reading.io.hEvent),
          writeDone(writing.io.hEvent)
    {
        readDone.setEnabled(false);
        writeDone.setEnabled(false);
        connect(&readDone, &QWinEventNotifier::activated, this, [this] { finishRead(); });
        connect(&writeDone, &QWinEventNotifier::activated, this, [this] { finishWrite(); });
        presenceCheck.setInterval(presenceCheckMs);
        connect(&presenceCheck, &QTimer::timeout, this, [this] { checkPresence(); });
    }

    ~Win32SerialLink() override { close(); }

    bool open(const SerialSettings &settings) override
    {
        if (isOpen())
            return false;
        port = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()),
                           GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_FLAG_OVERLAPPED, nullptr);
        if (port == INVALID_HANDLE_VALUE)
            return false;
        DCB dcb = {};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(port, &dcb)) {
            CloseHandle(port);
            port = INVALID_HANDLE_VALUE;
            return false;
        }
        apply(settings, dcb);
        // Reads end as soon as a byte is there; the total timeout only bounds an idle read.
        COMMTIMEOUTS timeouts = {MAXDWORD, MAXDWORD, MAXDWORD - 1, 0, 0};
        SetCommTimeouts(port, &timeouts);
        PurgeComm(port, PURGE_RXCLEAR | PURGE_TXCLEAR);
        received.clear();
        if (!startRead()) {
            close();
            return false;
        }
        presenceCheck.start();
        return true;
    }

    void close() override
    {
        if (!isOpen())
            return;
        presenceCheck.stop();
        readDone.setEnabled(false);
        writeDone.setEnabled(false);
        // The system writes into the buffers of a pending operation until it has ended.
        CancelIo(port);
        DWORD transferred = 0;
        if (readPending)
            GetOverlappedResult(port, &reading.io, &transferred, TRUE);
        if (writePending)
            GetOverlappedResult(port, &writing.io, &transferred, TRUE);
        readPending = writePending = false;
        outgoing.clear();
        CloseHandle(port);
        port = INVALID_HANDLE_VALUE;
    }

    bool isOpen() const override { return port != INVALID_HANDLE_VALUE; }
    qint64 bytesAvailable() const override { return received.size(); }

    QByteArray readAll() override
    {
        QByteArray bytes;
        bytes.swap(received);
        return bytes;
    }

    qint64 write(const QByteArray &bytes) override
    {
        if (!isOpen())
            return -1;
        outgoing.push_back(bytes);
        if (!writePending)
            startWrite();
        return bytes.size();
    }

private:
    // Applies the settings one at a time, in the order the other platforms do, each on top of
    // those the driver took: a setting the port refuses leaves the others in force.
    void apply(const SerialSettings &settings, DCB &dcb)
    {
        dcb.fBinary = TRUE;
        dcb.fDtrControl = DTR_CONTROL_ENABLE;
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
        dcb.fAbortOnError = FALSE;
        dcb.fNull = FALSE;
        dcb.fErrorChar = FALSE;
        dcb.fDsrSensitivity = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        const auto step = [&](auto change) {
            DCB next = dcb;
            change(next);
            if (SetCommState(port, &next))
                dcb = next;
        };
        step([&](DCB &d) { d.BaudRate = static_cast<DWORD>(settings.baudRate); });
        step([&](DCB &d) { d.ByteSize = static_cast<BYTE>(settings.dataBits); });
        step([&](DCB &d) { setFlowControl(d, settings.flowControl); });
        step([&](DCB &d) {
            d.Parity = parityFor(settings.parity);
            d.fParity = settings.parity != SerialSettings::Parity::NoParity;
        });
        step([&](DCB &d) {
            d.StopBits =
                settings.stopBits == SerialSettings::StopBits::TwoStop ? TWOSTOPBITS : ONESTOPBIT;
        });
    }

    bool startRead()
    {
        reading.reset();
        if (!ReadFile(port, &firstByte, 1, nullptr, &reading.io) &&
            GetLastError() != ERROR_IO_PENDING)
            return false;
        readPending = true;
        readDone.setEnabled(true);
        return true;
    }

    void finishRead()
    {
        readDone.setEnabled(false);
        readPending = false;
        DWORD transferred = 0;
        if (!GetOverlappedResult(port, &reading.io, &transferred, FALSE)) {
            lose();
            return;
        }
        if (transferred == 1)
            received.append(static_cast<char>(firstByte));
        if ((transferred == 1 && !readQueued()) || !startRead()) {
            lose();
            return;
        }
        if (!received.isEmpty())
            emit readyRead();
    }

    // Reads what the driver holds already; such a read completes at once.
    bool readQueued()
    {
        DWORD errors = 0;
        COMSTAT status = {};
        if (!ClearCommError(port, &errors, &status))
            return false;
        if (status.cbInQue == 0)
            return true;
        QByteArray bytes(static_cast<int>(status.cbInQue), Qt::Uninitialized);
        queuedRead.reset();
        DWORD transferred = 0;
        if (!ReadFile(port, bytes.data(), status.cbInQue, nullptr, &queuedRead.io) &&
            GetLastError() != ERROR_IO_PENDING)
            return false;
        if (!GetOverlappedResult(port, &queuedRead.io, &transferred, TRUE))
            return false;
        received.append(bytes.constData(), static_cast<int>(transferred));
        return true;
    }

    void startWrite()
    {
        if (outgoing.empty())
            return;
        writing.reset();
        const QByteArray &bytes = outgoing.front();
        if (WriteFile(port, bytes.constData(), static_cast<DWORD>(bytes.size()), nullptr,
                      &writing.io) ||
            GetLastError() == ERROR_IO_PENDING) {
            writePending = true;
            writeDone.setEnabled(true);
            return;
        }
        lose();
    }

    void finishWrite()
    {
        writeDone.setEnabled(false);
        writePending = false;
        DWORD transferred = 0;
        if (!GetOverlappedResult(port, &writing.io, &transferred, FALSE)) {
            lose();
            return;
        }
        outgoing.pop_front();
        startWrite();
    }

    void checkPresence()
    {
        DWORD errors = 0;
        COMSTAT status = {};
        if (!ClearCommError(port, &errors, &status))
            lose();
    }

    // Said from the event loop, never from inside a call on the link.
    void lose()
    {
        close();
        QMetaObject::invokeMethod(
            this, [this] { emit deviceLost(); }, Qt::QueuedConnection);
    }

    QString path;
    HANDLE port = INVALID_HANDLE_VALUE;
    Overlapped reading;
    Overlapped queuedRead;
    Overlapped writing;
    QWinEventNotifier readDone;
    QWinEventNotifier writeDone;
    QTimer presenceCheck;
    unsigned char firstByte = 0;
    bool readPending = false;
    bool writePending = false;
    QByteArray received;
    std::deque<QByteArray> outgoing;
};

} // namespace

std::unique_ptr<SerialLink> createPlatformSerialLink(const QString &portName)
{
    return std::make_unique<Win32SerialLink>(portName);
}
