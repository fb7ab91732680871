#include "link/serial_port.h"

#include "codeplug/text_util.h"
#include "codeplug/wide_text.h"
#include "link/link_texts.h"

#include <io.h>
#include <windows.h>

// The serial line over the Win32 COM services. The line's handle lives in a C
// runtime descriptor, so the class holds the same `int` on every system.

namespace tolvan {
namespace {

HANDLE handleOf(int fd)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

// 9600 baud, 8 data bits, no parity, one stop bit, binary, no flow control,
// the modem lines up as a cable's adapter expects them.
bool configureLine(HANDLE h, const TimeoutProfile& profile)
{
    if (!SetupComm(h, 4096, 4096))
        return false;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(h, &dcb))
        return false;
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    if (!SetCommState(h, &dcb))
        return false;
    // The read time-outs are the system's own: ReadFile returns after
    // multiplier * n + constant in all, or once `interval` passes between two
    // bytes, with what arrived (a short success).
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = static_cast<DWORD>(profile.readInterval);
    t.ReadTotalTimeoutMultiplier = static_cast<DWORD>(profile.readMultiplier);
    t.ReadTotalTimeoutConstant = static_cast<DWORD>(profile.readConstant);
    t.WriteTotalTimeoutMultiplier = static_cast<DWORD>(profile.writeMultiplier);
    t.WriteTotalTimeoutConstant = static_cast<DWORD>(profile.writeConstant);
    return SetCommTimeouts(h, &t);
}

} // namespace

// Windows keeps a USB adapter's latency timer in its driver's settings, out of
// a program's reach.
LowLatency lowLatencyOf(const std::string&)
{
    return LowLatency::NotOffered;
}

std::string describeOpenError(const std::string& device, int error, Language language)
{
    const PortTexts& t = portTexts(language);
    switch (static_cast<DWORD>(error)) {
    // Windows refuses a second opener of a COM port with "access denied".
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
        return filledIn(t.inUse, {device});
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_UNIT:
    case ERROR_DEV_NOT_EXIST:
        return filledIn(t.noDevice, {device});
    // A device that takes no line settings: the null device, a console (and
    // under Wine a Unix device that is no serial line) answer "invalid handle".
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_HANDLE:
        return filledIn(t.notSerial, {device});
    default:
        return filledIn(t.systemCode, {device, std::to_string(error)});
    }
}

PortOpenResult SerialPort::open(const std::string& device, const TimeoutProfile& profile, Language language)
{
    PortOpenResult result;
    // No sharing: the system holds off every other opener while we have it.
    const HANDLE h = CreateFileW(wideFromText(device).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        result.detail = describeOpenError(device, static_cast<int>(GetLastError()), language);
        return result;
    }
    DWORD error = 0;
    if (GetFileType(h) != FILE_TYPE_CHAR)
        error = ERROR_INVALID_FUNCTION;
    else if (!configureLine(h, profile))
        error = GetLastError() ? GetLastError() : ERROR_INVALID_FUNCTION;
    const int fd = error ? -1 : _open_osfhandle(reinterpret_cast<intptr_t>(h), 0);
    if (fd < 0) {
        CloseHandle(h);
        result.detail = describeOpenError(device, static_cast<int>(error ? error : ERROR_NOT_ENOUGH_MEMORY), language);
        return result;
    }
    PurgeComm(h, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR);
    result.port.reset(new SerialPort(fd, profile));
    return result;
}

SerialPort::~SerialPort()
{
    _close(fd_);  // closes the handle
}

void SerialPort::requestLowLatency() {}
void SerialPort::restoreLatency() {}

void SerialPort::purge(int)
{
    // Writes have drained already, so only unread input is left to drop.
    PurgeComm(handleOf(fd_), PURGE_RXABORT | PURGE_RXCLEAR);
}

bool SerialPort::write(std::span<const std::uint8_t> bytes)
{
    const HANDLE h = handleOf(fd_);
    DWORD written = 0;
    if (!WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written != bytes.size())
        return false;  // failed, or the write time-out ran out
    // Returns once the bytes have left the line's buffer.
    return FlushFileBuffers(h);
}

ReadResult SerialPort::read(std::span<std::uint8_t> buffer)
{
    DWORD got = 0;
    if (!ReadFile(handleOf(fd_), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
        return {false, got};
    return {true, got};
}

} // namespace tolvan
