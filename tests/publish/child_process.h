#pragma once

#include <functional>
#include <optional>
#include <string>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs work in a forked child and gives back the text it returned, or nothing when the child
// did not end normally. Limits, identities and signal settings changed by work stay in the child.
inline std::optional<std::string> RunInChildProcess(const std::function<std::string()>& work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        ::close(channel[0]);
        const std::string report = work();
        std::size_t sent = 0;
        while (sent < report.size()) {
            const auto count = ::write(channel[1], report.data() + sent, report.size() - sent);
            if (count <= 0)
                ::_exit(2);
            sent += static_cast<std::size_t>(count);
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[4096];
    for (;;) {
        const auto count = ::read(channel[0], buffer, sizeof buffer);
        if (count <= 0)
            break;
        report.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(channel[0]);
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return report;
}

// The user and group "nobody", which permission bits do stop.
constexpr uid_t kUnprivilegedUser = 65534;
constexpr gid_t kUnprivilegedGroup = 65534;

// In a child running as root, gives up every privilege so that permission bits take effect;
// does nothing for an ordinary user. False when the identity could not be changed.
inline bool DropPrivileges()
{
    if (::geteuid() != 0)
        return true;
    return ::setgroups(0, nullptr) == 0 && ::setresgid(kUnprivilegedGroup, kUnprivilegedGroup, kUnprivilegedGroup) == 0
           && ::setresuid(kUnprivilegedUser, kUnprivilegedUser, kUnprivilegedUser) == 0 && ::geteuid() != 0;
}

// Address space reserved by the sanitizers makes address-space limits meaningless.
#if defined(__SANITIZE_ADDRESS__)
#define TABLOOM_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TABLOOM_ADDRESS_SANITIZER 1
#endif
#endif
