// The serial link on the Win32 communications API: each step of CommLink as Win32 calls.
//
// With the timeouts below, Windows completes the one-byte read as soon as a byte arrives, and
// wine (whose serial reads end only when the buffer is full) does the same for a one-byte buffer.
// No I/O completion port and no WaitCommEvent: wine delivers neither for a port on a
// pseudo-terminal. Errors seen for a lost device: an unplugged adapter gives 5, 22, 995 or 1167;
// a hang-up under wine 109 or 21. Opening checks that the handle is a serial port at all: a COM
// name that leads nowhere can still give a handle.
#include "serial/platform.h"
#include "serial/windows/commlink.h"

#include <QWinEventNotifier>

#include <windows.h>

#include <utility>

namespace {

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

// An overlapped operation with the event it signals and the memory the system writes into, or
// reads from, until it has ended.
struct Operation
{
    Operation() { io.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr); }
    ~Operation() { CloseHandle(io.hEvent); }
    Operation(const Operation &) = delete;
    Operation &operator=(const Operation &) = delete;

    void reset()
    {
        HANDLE event = io.hEvent;
        io = {};
        io.hEvent = event;
        ResetEvent(event);
    }

    OVERLAPPED io = {};
    QByteArray buffer;
    bool pending = false;
};

CommPort::Error lastErrorUnlessPending(BOOL done)
{
    const DWORD error = done ? ERROR_SUCCESS : GetLastError();
    return error == ERROR_IO_PENDING ? ERROR_SUCCESS : error;
}

// A notification can come for an operation that is still running, one left over from before the
// port was opened again: the operation stays pending, its buffer untouched, and is watched anew.
CommPort::Error outcome(BOOL done, Operation &operation, QWinEventNotifier &ended)
{
    const DWORD error = done ? ERROR_SUCCESS : GetLastError();
    if (error == ERROR_IO_INCOMPLETE) {
        ended.setEnabled(true);
        return CommPort::notEnded;
    }
    operation.pending = false;
    return error;
}

// A driver that says it holds bytes hands them over at once; one that has not within this is
// taken as failing (some Bluetooth and virtual ports), rather than hang the window.
constexpr DWORD queuedReadBoundMs = 500;

ULONGLONG deadlineIn(std::chrono::milliseconds bound)
{
    return GetTickCount64() + static_cast<ULONGLONG>(bound.count());
}

class Win32CommPort : public CommPort
{
    Q_OBJECT

public:
    explicit Win32CommPort(const QString &portName)
        : path(QStringLiteral("\\\\.\\") + portName), readDone(reading->io.hEvent),
          writeDone(writing->io.hEvent)
    {
        readDone.setEnabled(false);
        writeDone.setEnabled(false);
        connect(&readDone, &QWinEventNotifier::activated, this, [this] {
            readDone.setEnabled(false);
            emit readEnded();
        });
        connect(&writeDone, &QWinEventNotifier::activated, this, [this] {
            writeDone.setEnabled(false);
            emit writeEnded();
        });
    }

    ~Win32CommPort() override { close(); }

    Error open() override
    {
        if (!reading->io.hEvent || !writing->io.hEvent || !queued->io.hEvent)
            return ERROR_NOT_ENOUGH_MEMORY;
        handle = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()),
                             GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OVERLAPPED, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return GetLastError();
        DCB dcb = {};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(handle, &dcb)) {
            const Error error = GetLastError();
            close();
            return error;
        }
        return ERROR_SUCCESS;
    }

    void close() override
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }

    Error setQueueSizes(int input, int output) override
    {
        return SetupComm(handle, static_cast<DWORD>(input), static_cast<DWORD>(output))
                   ? ERROR_SUCCESS
                   : GetLastError();
    }

    // In the order the other platforms apply them, each on top of those the driver took: a
    // setting the port refuses leaves the others in force.
    QStringList applySettings(const SerialSettings &settings) override
    {
        DCB dcb = {};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(handle, &dcb))
            return {tr("every setting (%1)").arg(describe(GetLastError()))};
        dcb.fBinary = TRUE;
        dcb.fDtrControl = DTR_CONTROL_ENABLE;
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
        dcb.fAbortOnError = FALSE;
        dcb.fNull = FALSE;
        dcb.fErrorChar = FALSE;
        dcb.fDsrSensitivity = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        QStringList refused;
        const auto step = [&](const QString &setting, auto change) {
            DCB next = dcb;
            change(next);
            if (SetCommState(handle, &next))
                dcb = next;
            else
                refused << setting;
        };
        step(tr("the baud rate %1").arg(settings.baudRate),
             [&](DCB &d) { d.BaudRate = static_cast<DWORD>(settings.baudRate); });
        step(tr("%1 data bits").arg(static_cast<int>(settings.dataBits)),
             [&](DCB &d) { d.ByteSize = static_cast<BYTE>(settings.dataBits); });
        step(tr("the flow control"), [&](DCB &d) { setFlowControl(d, settings.flowControl); });
        step(tr("the parity"), [&](DCB &d) {
            d.Parity = parityFor(settings.parity);
            d.fParity = settings.parity != SerialSettings::Parity::NoParity;
        });
        step(tr("the stop bits"), [&](DCB &d) {
            d.StopBits =
                settings.stopBits == SerialSettings::StopBits::TwoStop ? TWOSTOPBITS : ONESTOPBIT;
        });
        return refused;
    }

    Error setReadTimeouts() override
    {
        COMMTIMEOUTS timeouts = {MAXDWORD, MAXDWORD, MAXDWORD - 1, 0, 0};
        return SetCommTimeouts(handle, &timeouts) ? ERROR_SUCCESS : GetLastError();
    }

    // Bytes from before the port was opened are dropped where the driver can; where it cannot,
    // they are read like any others.
    void discardQueues() override { PurgeComm(handle, PURGE_RXCLEAR | PURGE_TXCLEAR); }

    Error startRead() override
    {
        reading->reset();
        reading->buffer.resize(1);
        const Error error = lastErrorUnlessPending(
            ReadFile(handle, reading->buffer.data(), 1, nullptr, &reading->io));
        if (error)
            return error;
        reading->pending = true;
        readDone.setEnabled(true);
        return ERROR_SUCCESS;
    }

    Error finishRead(QByteArray &bytes) override
    {
        DWORD transferred = 0;
        if (const Error error = outcome(
                GetOverlappedResult(handle, &reading->io, &transferred, FALSE), *reading, readDone))
            return error;
        bytes.append(reading->buffer.constData(), static_cast<int>(transferred));
        return ERROR_SUCCESS;
    }

    Error readQueued(QByteArray &bytes) override
    {
        COMSTAT status = {};
        if (!clearErrors(status))
            return GetLastError();
        if (status.cbInQue == 0)
            return ERROR_SUCCESS;
        queued->reset();
        queued->buffer.resize(static_cast<int>(status.cbInQue));
        const Error error = lastErrorUnlessPending(
            ReadFile(handle, queued->buffer.data(), status.cbInQue, nullptr, &queued->io));
        if (error)
            return error;
        queued->pending = true;
        if (WaitForSingleObject(queued->io.hEvent, queuedReadBoundMs) != WAIT_OBJECT_0) {
            CancelIoEx(handle, &queued->io);
            settle(queued, deadlineIn(CommLink::cancelBound));
            return ERROR_TIMEOUT;
        }
        queued->pending = false;
        DWORD transferred = 0;
        if (!GetOverlappedResult(handle, &queued->io, &transferred, FALSE))
            return GetLastError();
        bytes.append(queued->buffer.constData(), static_cast<int>(transferred));
        return ERROR_SUCCESS;
    }

    Error startWrite(const QByteArray &bytes) override
    {
        writing->reset();
        writing->buffer = bytes;
        const Error error = lastErrorUnlessPending(
            WriteFile(handle, writing->buffer.constData(),
                      static_cast<DWORD>(writing->buffer.size()), nullptr, &writing->io));
        if (error)
            return error;
        writing->pending = true;
        writeDone.setEnabled(true);
        return ERROR_SUCCESS;
    }

    // Without write timeouts a write ends when all of it is out; a driver that ends it short has
    // failed.
    Error finishWrite() override
    {
        DWORD transferred = 0;
        if (const Error error =
                outcome(GetOverlappedResult(handle, &writing->io, &transferred, FALSE), *writing,
                        writeDone))
            return error;
        return transferred == static_cast<DWORD>(writing->buffer.size()) ? ERROR_SUCCESS
                                                                         : ERROR_WRITE_FAULT;
    }

    Error checkStatus() override
    {
        COMSTAT status = {};
        return clearErrors(status) ? ERROR_SUCCESS : GetLastError();
    }

    int takeLineErrors() override { return std::exchange(lineErrors, 0); }

    void cancelPending(std::chrono::milliseconds bound) override
    {
        readDone.setEnabled(false);
        writeDone.setEnabled(false);
        // Fails only when nothing is pending any more.
        CancelIoEx(handle, nullptr);
        const ULONGLONG deadline = deadlineIn(bound);
        settle(reading, deadline);
        settle(writing, deadline);
        readDone.setHandle(reading->io.hEvent);
        writeDone.setHandle(writing->io.hEvent);
    }

    QString describe(Error error) const override
    {
        wchar_t *text = nullptr;
        const DWORD length =
            FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
        const QString words = QString::fromWCharArray(text, static_cast<int>(length)).trimmed();
        LocalFree(text);
        return words.isEmpty() ? tr("error %1").arg(error)
                               : tr("%1 (error %2)").arg(words).arg(error);
    }

private:
    // Every query of the port's state clears the errors it reports, so each is counted here.
    bool clearErrors(COMSTAT &status)
    {
        constexpr DWORD bytesLostOrDamaged = CE_OVERRUN | CE_RXOVER | CE_FRAME | CE_RXPARITY;
        DWORD errors = 0;
        if (!ClearCommError(handle, &errors, &status))
            return false;
        if (errors & bytesLostOrDamaged)
            ++lineErrors;
        return true;
    }

    // A cancelled operation that has not ended by the deadline is left to the driver, which may
    // still write into its buffer: it is never freed, and a new one takes its place.
    static void settle(std::unique_ptr<Operation> &operation, ULONGLONG deadline)
    {
        if (!operation->pending)
            return;
        const ULONGLONG now = GetTickCount64();
        const DWORD wait = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
        if (WaitForSingleObject(operation->io.hEvent, wait) == WAIT_OBJECT_0) {
            operation->pending = false;
            return;
        }
        static_cast<void>(operation.release());
        operation = std::make_unique<Operation>();
    }

    QString path;
    HANDLE handle = INVALID_HANDLE_VALUE;
    int lineErrors = 0;
    std::unique_ptr<Operation> reading = std::make_unique<Operation>();
    std::unique_ptr<Operation> writing = std::make_unique<Operation>();
    std::unique_ptr<Operation> queued = std::make_unique<Operation>();
    QWinEventNotifier readDone;
    QWinEventNotifier writeDone;
};

} // namespace

std::unique_ptr<SerialLink> createPlatformSerialLink(const QString &portName)
{
    return std::make_unique<CommLink>(std::make_unique<Win32CommPort>(portName));
}

#include "win32seriallink.moc"
