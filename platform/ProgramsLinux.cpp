// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/Programs.h"

namespace platform {
namespace {

std::string NativePath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool IsHiddenName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    return start < path.size() && path[start] == '.';
}

}  // namespace

bool IsOrdinaryFile(const std::string& path) {
    const std::string native = NativePath(path);
    struct stat info {};
    return !native.empty() && ::stat(native.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           !IsHiddenName(native);
}

bool StartProgram(const std::string& path) {
    const std::string native = NativePath(path);
    if (!IsOrdinaryFile(native) || ::access(native.c_str(), X_OK) != 0) {
        return false;
    }
    // The started program learns of a failed exec through a pipe that a successful exec closes.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    // Two forks, so that the program is nobody's child here and leaves no zombie behind.
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        ::setsid();
        const pid_t program = ::fork();
        if (program == 0) {
            char* const argv[] = {const_cast<char*>(native.c_str()), nullptr};
            ::execv(native.c_str(), argv);
        }
        if (program <= 0) {  // the exec failed, or there is no process to run it in
            const int error = errno;
            [[maybe_unused]] const auto written = ::write(report[1], &error, sizeof error);
        }
        ::_exit(0);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got = 0;
    while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    return got == 0;
}

}  // namespace platform
