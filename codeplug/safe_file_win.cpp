#include "codeplug/safe_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <random>
#include <windows.h>

// The writer and the opener on Windows: names are UTF-16 throughout, the new
// file is flushed to the disk and moved over the target in one step.

namespace tolvan {
namespace fs = std::filesystem;
namespace {

constexpr auto kStale = std::chrono::minutes(1);

FileResult failure(FileFault fault, std::string reason)
{
    return {fault, std::move(reason)};
}

// The system's reason in the words the rest of the program knows (the C
// runtime's texts, which the Chinese messages translate); the system's own
// text for anything else.
FileResult systemError(DWORD error)
{
    struct Known {
        DWORD win;
        int posix;
    };
    static constexpr Known known[] = {
        {ERROR_FILE_NOT_FOUND, ENOENT},     {ERROR_PATH_NOT_FOUND, ENOENT},     {ERROR_ACCESS_DENIED, EACCES},
        {ERROR_SHARING_VIOLATION, EBUSY},   {ERROR_LOCK_VIOLATION, EBUSY},      {ERROR_DISK_FULL, ENOSPC},
        {ERROR_HANDLE_DISK_FULL, ENOSPC},   {ERROR_WRITE_PROTECT, EROFS},       {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
        {ERROR_DIRECTORY, ENOTDIR},         {ERROR_INVALID_NAME, EINVAL},       {ERROR_CRC, EIO},
    };
    for (const Known& k : known)
        if (k.win == error)
            return failure(FileFault::SystemError, std::strerror(k.posix));
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string reason = text ? fs::path(text).string() : "system error " + std::to_string(error);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
        reason.pop_back();
    return failure(FileFault::SystemError, reason);
}

FileResult lastError()
{
    return systemError(GetLastError());
}

// CON, NUL, COM1, LPT1 and their kin name devices in every folder, also with
// an ending ("nul.sin") or trailing blanks and dots: writing there would talk
// to the device, so they are refused as targets and as files to read.
bool isDeviceName(const fs::path& path)
{
    std::wstring name = path.filename().wstring();
    name = name.substr(0, name.find(L'.'));
    while (!name.empty() && (name.back() == L' ' || name.back() == L'.'))
        name.pop_back();
    for (wchar_t& c : name)
        c = static_cast<wchar_t>(c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c);
    if (name == L"CON" || name == L"PRN" || name == L"AUX" || name == L"NUL" || name == L"CONIN$"
        || name == L"CONOUT$")
        return true;
    return name.size() == 4 && (name.starts_with(L"COM") || name.starts_with(L"LPT")) && name[3] >= L'0'
           && name[3] <= L'9';
}

bool isDeviceNamespace(const fs::path& path)
{
    const std::wstring& text = path.native();
    return text.starts_with(L"\\\\.\\") || text.starts_with(L"\\\\?\\GLOBALROOT");
}

const char* const kDevice = "it is a device, not a regular file";
const char* const kFolder = "it is a folder, not a regular file";

// The kind of an open handle that is not a file on a disk.
std::string kindOf(HANDLE h)
{
    switch (GetFileType(h)) {
    case FILE_TYPE_PIPE:
        return "it is a pipe, not a regular file";
    case FILE_TYPE_CHAR:
        return kDevice;
    default:
        return "it is not a regular file";
    }
}

struct Identity {
    DWORD volume = 0;
    DWORD high = 0, low = 0;
    bool operator==(const Identity&) const = default;
};

// The file behind a name, whatever name or link led to it.
bool identityOf(const fs::path& path, Identity& out)
{
    const HANDLE h = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    out = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return ok;
}

fs::path folderOf(const fs::path& path)
{
    return path.has_parent_path() ? path.parent_path() : fs::path(L".");
}

// Where the data goes: the path itself, or the file a symbolic link names.
struct Target {
    fs::path path;
    bool exists = false;
    DWORD attributes = 0;
};

FileResult resolve(const fs::path& given, Target& out)
{
    out.path = given;
    if (isDeviceNamespace(given) || isDeviceName(given))
        return failure(FileFault::NotRegular, kDevice);
    std::error_code ec;
    const fs::file_status link = fs::symlink_status(given, ec);
    if (link.type() == fs::file_type::not_found) {
        const DWORD dir = GetFileAttributesW(folderOf(given).c_str());
        if (dir == INVALID_FILE_ATTRIBUTES)
            return lastError();
        if (!(dir & FILE_ATTRIBUTE_DIRECTORY))
            return systemError(ERROR_DIRECTORY);
        return {};
    }
    if (link.type() == fs::file_type::symlink) {
        if (!fs::exists(fs::status(given, ec))) {
            const fs::path to = fs::read_symlink(given, ec);
            return failure(FileFault::DanglingLink, "it is a link to \"" + to.string() + "\", which does not exist");
        }
        out.path = fs::canonical(given, ec);
        if (ec)
            return systemError(static_cast<DWORD>(ec.value()));
        if (isDeviceName(out.path))
            return failure(FileFault::NotRegular, kDevice);
    }
    out.attributes = GetFileAttributesW(out.path.c_str());
    if (out.attributes == INVALID_FILE_ATTRIBUTES)
        return lastError();
    out.exists = true;
    return {};
}

FileResult check(const fs::path& given, const OutputRules& rules, Target& target)
{
    if (rules.isExport && isChannelFileName(given))
        return failure(FileFault::ChannelFile, "it is a channel data file (.sin), which an export never replaces");
    if (FileResult r = resolve(given, target); !r.ok())
        return r;
    if (!target.exists)
        return {};
    if (rules.isExport && isChannelFileName(target.path))
        return failure(FileFault::ChannelFile, "it leads to a channel data file (.sin), which an export never replaces");
    Identity out;
    const bool known = identityOf(target.path, out);
    for (const fs::path* input : {&rules.input, &rules.secondInput}) {
        Identity in;
        if (known && !input->empty() && identityOf(*input, in) && in == out)
            return failure(FileFault::SameAsInput, "it is the input file \"" + input->string() + "\"");
    }
    if (target.attributes & FILE_ATTRIBUTE_DIRECTORY)
        return failure(FileFault::NotRegular, kFolder);
    if (target.attributes & FILE_ATTRIBUTE_READONLY)
        return failure(FileFault::ReadOnly, "it is read-only");
    return {};
}

std::wstring temporaryName()
{
    static const char letters[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    thread_local std::mt19937 random{std::random_device{}()};
    std::wstring name = fs::path(std::string(kSafeFileTemporaryPrefix)).wstring();
    for (int i = 0; i < 6; ++i)
        name += static_cast<wchar_t>(letters[random() % (sizeof letters - 1)]);
    return name;
}

// A new file of this system's temporary name in `dir`, opened for writing.
HANDLE createTemporary(const fs::path& dir, fs::path& made, DWORD flags)
{
    for (int tries = 0; tries < 100; ++tries) {
        made = dir / temporaryName();
        const HANDLE h = CreateFileW(made.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, flags, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return h;
    }
    return INVALID_HANDLE_VALUE;
}

// The new file is made in the target's folder and moved there: the folder
// must take a file, or the work (a read from the radio) is done for nothing.
// A folder's read-only flag means nothing on Windows, so a file is tried.
FileResult checkFolder(const fs::path& target)
{
    fs::path probe;
    const HANDLE h = createTemporary(folderOf(target), probe, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT)
            return failure(FileFault::ReadOnly, "its folder \"" + folderOf(target).string() + "\" is read-only");
        return systemError(error);
    }
    CloseHandle(h);
    return {};
}

FileResult checkAll(const fs::path& given, const OutputRules& rules, Target& target)
{
    if (FileResult r = check(given, rules, target); !r.ok())
        return r;
    return checkFolder(target.path);
}

// Temporary files that a killed save left behind; only this system's own
// names, only plain files, only when they are clearly abandoned.
void removeStaleTemporaries(const fs::path& dir)
{
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (!isSafeFileTemporary(it->path().filename().string()) || !it->is_regular_file(ec))
            continue;
        const auto written = fs::last_write_time(it->path(), ec);
        if (!ec && now - written > kStale)
            DeleteFileW(it->path().c_str());
    }
}

bool writeAll(HANDLE h, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(h, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace

FileResult checkOutputFile(const fs::path& target, const OutputRules& rules)
{
    Target resolved;
    return checkAll(target, rules, resolved);
}

FileResult writeFileSafely(const fs::path& given, std::string_view bytes, const OutputRules& rules)
{
    Target target;
    if (FileResult r = checkAll(given, rules, target); !r.ok())
        return r;
    const fs::path dir = folderOf(target.path);
    fs::path temp;
    const HANDLE h = createTemporary(dir, temp, FILE_ATTRIBUTE_NORMAL);
    if (h == INVALID_HANDLE_VALUE)
        return lastError();
    DWORD error = 0;
    if (!writeAll(h, bytes) || !FlushFileBuffers(h))
        error = GetLastError();
    CloseHandle(h);
    if (error == 0
        && !MoveFileExW(temp.c_str(), target.path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != 0) {
        DeleteFileW(temp.c_str());
        return systemError(error);
    }
    removeStaleTemporaries(dir);
    return {};
}

int openRegularFile(const fs::path& path, FileResult& result)
{
    result = {};
    if (isDeviceNamespace(path) || isDeviceName(path)) {
        result = failure(FileFault::NotRegular, kDevice);
        return -1;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        result = failure(FileFault::NotRegular, kFolder);
        return -1;
    }
    // Others may go on reading and writing it meanwhile, as the ini file asks.
    const HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        result = lastError();
        return -1;
    }
    if (GetFileType(h) != FILE_TYPE_DISK) {
        result = failure(FileFault::NotRegular, kindOf(h));
        CloseHandle(h);
        return -1;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        result = failure(FileFault::SystemError, std::strerror(errno));
        CloseHandle(h);
    }
    return fd;
}

bool createEmptyFile(const fs::path& path)
{
    if (isDeviceNamespace(path) || isDeviceName(path))
        return false;
    const HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(h);
    return true;
}

} // namespace tolvan
