#include "files.h"

#ifdef _WIN32

#include <windows.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

FILE* OpenShared(const char* path, const char* mode)
{
    return _fsopen(path, mode, _SH_DENYNO);
}

static unsigned short ModeOf(FILE* stream)
{
    struct _stat64 status;
    if (_fstat64(_fileno(stream), &status) != 0)
        return 0;
    return status.st_mode;
}

bool IsDirectory(FILE* stream)
{
    return (ModeOf(stream) & _S_IFMT) == _S_IFDIR;
}

bool IsRegularFile(FILE* stream)
{
    return (ModeOf(stream) & _S_IFMT) == _S_IFREG;
}

static bool IdentityOf(HANDLE file, BY_HANDLE_FILE_INFORMATION* info)
{
    return file != INVALID_HANDLE_VALUE && GetFileType(file) == FILE_TYPE_DISK &&
           GetFileInformationByHandle(file, info);
}

bool IsSameFile(FILE* source, FILE* targetStream, const char* targetPath)
{
    BY_HANDLE_FILE_INFORMATION sourceInfo, targetInfo;
    if (!IsRegularFile(source) ||
        !IdentityOf(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(source))), &sourceInfo))
        return false;
    bool known;
    if (targetStream) {
        known = IdentityOf(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(targetStream))), &targetInfo);
    } else {
        // Opening with no access rights reads the identity without touching the file.
        HANDLE target = CreateFileA(targetPath, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        known = IdentityOf(target, &targetInfo);
        if (target != INVALID_HANDLE_VALUE)
            CloseHandle(target);
    }
    return known && sourceInfo.dwVolumeSerialNumber == targetInfo.dwVolumeSerialNumber &&
           sourceInfo.nFileIndexHigh == targetInfo.nFileIndexHigh &&
           sourceInfo.nFileIndexLow == targetInfo.nFileIndexLow;
}

#else

#include <sys/stat.h>

FILE* OpenShared(const char* path, const char* mode)
{
    return std::fopen(path, mode);
}

static bool StatusOf(FILE* stream, struct stat* status)
{
    return fstat(fileno(stream), status) == 0;
}

bool IsDirectory(FILE* stream)
{
    struct stat status;
    return StatusOf(stream, &status) && S_ISDIR(status.st_mode);
}

bool IsRegularFile(FILE* stream)
{
    struct stat status;
    return StatusOf(stream, &status) && S_ISREG(status.st_mode);
}

bool IsSameFile(FILE* source, FILE* targetStream, const char* targetPath)
{
    struct stat sourceStatus, targetStatus;
    if (!StatusOf(source, &sourceStatus) || !S_ISREG(sourceStatus.st_mode))
        return false;
    bool known = targetStream ? StatusOf(targetStream, &targetStatus) : stat(targetPath, &targetStatus) == 0;
    return known && sourceStatus.st_dev == targetStatus.st_dev && sourceStatus.st_ino == targetStatus.st_ino;
}

#endif
