// From launch until the first window is shown: the real tabloom program, whose first window is
// the category names dialog, beside a bare Qt dialog program, launched in turn in the same run.
// Neither program knows it is watched: the benchmark asks the X server to report every window
// mapped on the screen, starts the program, and stops the clock when the X server maps a window
// with the expected caption; then it kills the program. Needs an X display without a window
// manager (a manager would map frames of its own), as `xvfb-run -a` gives.
#include <benchmark/benchmark.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kTimeoutMilliseconds = 20000;
constexpr int kLaunches = 15;

struct Program
{
    const char* path;
    const char* argument; // nullptr for none
    std::string caption;
};

const Program kTabloom{TABLOOM_PROGRAM, nullptr, "Category name"};
const Program kBareDialog{BARE_DIALOG_PROGRAM, nullptr, "Bare dialog"};
const Program kTextDialog{BARE_DIALOG_PROGRAM, "--text", "Bare dialog"};

class Screen
{
public:
    Screen()
        : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection))
            return;
        fcntl(xcb_get_file_descriptor(m_connection), F_SETFD, FD_CLOEXEC);
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &events);
        m_utf8String = Atom("UTF8_STRING");
        m_windowName = Atom("_NET_WM_NAME");
        xcb_flush(m_connection);
    }

    ~Screen() { xcb_disconnect(m_connection); }

    bool usable() const { return !xcb_connection_has_error(m_connection); }

    // Waits for a window with the caption to be mapped; false on timeout or a lost connection.
    bool WaitForWindow(const std::string& caption, Clock::time_point deadline)
    {
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                std::free(event);
                if (mapped && Caption(window) == caption)
                    return true;
            }
            if (xcb_connection_has_error(m_connection))
                return false;
            pollfd descriptor{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            poll(&descriptor, 1, static_cast<int>(std::max<long>(left.count(), 0)));
        }
        return false;
    }

private:
    xcb_atom_t Atom(const char* name)
    {
        const auto cookie = xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(std::char_traits<char>::length(name)), name);
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(m_connection, cookie, nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    std::string Caption(xcb_window_t window)
    {
        const auto cookie = xcb_get_property(m_connection, 0, window, m_windowName, m_utf8String, 0, 256);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(m_connection, cookie, nullptr), &std::free);
        if (!reply)
            return {};
        const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
        return std::string(text, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    xcb_atom_t m_utf8String = XCB_ATOM_NONE;
    xcb_atom_t m_windowName = XCB_ATOM_NONE;
};

pid_t Launch(const Program& program)
{
    const pid_t child = fork();
    if (child == 0) {
        // The folder Tabloom would publish into; nothing is published in this run.
        if (chdir("/tmp") != 0)
            _exit(126);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        execl(program.path, program.path, program.argument, static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

void Stop(pid_t child)
{
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

// Seconds from launch to the first window, or nothing when it never came.
std::optional<double> TimeToFirstWindow(Screen& screen, const Program& program)
{
    const Clock::time_point start = Clock::now();
    const pid_t child = Launch(program);
    if (child < 0)
        return std::nullopt;
    const bool shown = screen.WaitForWindow(program.caption, start + std::chrono::milliseconds(kTimeoutMilliseconds));
    const Clock::time_point end = Clock::now();
    Stop(child);
    if (!shown)
        return std::nullopt;
    return std::chrono::duration<double>(end - start).count();
}

double Median(std::vector<double> values)
{
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Each iteration launches the empty dialog, the dialog with text, then Tabloom, so that all three
// see the same machine; the iteration time is Tabloom's, and the counters give the medians and
// Tabloom's ratio to each yardstick.
void BM_StartupAgainstBareDialog(benchmark::State& state)
{
    Screen screen;
    if (!screen.usable()) {
        state.SkipWithError("no X display: run it under xvfb-run -a");
        return;
    }
    const std::vector<Program> programs = {kBareDialog, kTextDialog, kTabloom};
    // A first launch of each fills the file cache, which every later launch then finds warm.
    for (const Program& program : programs) {
        if (!TimeToFirstWindow(screen, program)) {
            state.SkipWithError("a program showed no window (is a window manager running?)");
            return;
        }
    }
    std::vector<std::vector<double>> times(programs.size());
    for (auto _ : state) {
        for (std::size_t index = 0; index < programs.size(); ++index) {
            const std::optional<double> time = TimeToFirstWindow(screen, programs[index]);
            if (!time) {
                state.SkipWithError("a program showed no window");
                return;
            }
            times[index].push_back(*time);
        }
        state.SetIterationTime(times.back().back());
    }
    const double bare = Median(times[0]);
    const double text = Median(times[1]);
    const double tabloom = Median(times[2]);
    state.counters["bare_dialog_ms"] = bare * 1000;
    state.counters["text_dialog_ms"] = text * 1000;
    state.counters["tabloom_ms"] = tabloom * 1000;
    state.counters["ratio_to_bare"] = tabloom / bare;
    state.counters["ratio_to_text"] = tabloom / text;
}

BENCHMARK(BM_StartupAgainstBareDialog)->UseManualTime()->Iterations(kLaunches)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
