// Starts each program RUNS times on the current X display, the programs
// taking turns, and measures each start: the time until its first window is
// mapped, the processor time used by then and the resident memory a second
// later. Then it starts each program once more and leaves them all idle
// together for IDLE_SECONDS, reading their processor time every second. Every
// start gets fresh XDG folders, filled from a seed folder. The first program
// is the one the others are compared with. Run under Xvfb by
// tools/benchmark-linux.sh.
//
//   corvallo_bench_linux RUNS IDLE_SECONDS SEED_FOLDER NAME=PATH [NAME=PATH ...]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "../Report.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using corvallo::bench::IdleReading;
using corvallo::bench::Measured;
using corvallo::bench::StartSample;

// Long enough for a program to finish what it does right after showing its
// window (a tray icon, a picture), short enough to keep many starts cheap.
constexpr auto kSettle = std::chrono::seconds(1);

double nowMs() {
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

// User plus system time of the process so far, from /proc/<pid>/stat.
double cpuMs(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // The command name in parentheses may hold blanks; the fields after it
    // are plain: state is field 3, utime 14, stime 15.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int number = 3; number <= 15 && fields >> field; ++number) {
        if (number >= 14) {
            ticks += std::stod(field);
        }
    }
    return 1000.0 * ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stod(line.substr(6));
        }
    }
    return 0;
}

// The X connection that watches the root window for top-level windows being
// mapped. Without a window manager a program's windows are the root's own
// children, so each map arrives here as a MapNotify.
class MapWatcher {
  public:
    MapWatcher() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_)) {
            std::fprintf(stderr, "no X display\n");
            std::exit(1);
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        auto* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, sizeof name - 1, name), nullptr);
        pidAtom_ = reply->atom;
        std::free(reply);
        xcb_flush(connection_);
    }
    ~MapWatcher() { xcb_disconnect(connection_); }
    MapWatcher(const MapWatcher&) = delete;
    MapWatcher& operator=(const MapWatcher&) = delete;

    // Waits until a window of process `pid` is mapped; false after `timeout`.
    bool waitForWindowOf(pid_t pid, Clock::duration timeout) {
        const Clock::time_point end = Clock::now() + timeout;
        while (Clock::now() < end) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (event == nullptr) {
                if (xcb_connection_has_error(connection_)) {
                    return false;
                }
                std::this_thread::sleep_for(std::chrono::microseconds(200));
                continue;
            }
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            std::free(event);
            if (mapped && ownerOf(window) == pid) {
                return true;
            }
        }
        return false;
    }

  private:
    std::optional<pid_t> ownerOf(xcb_window_t window) {
        auto* reply = xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        std::optional<pid_t> pid;
        if (reply != nullptr && xcb_get_property_value_length(reply) == 4) {
            pid = static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(reply)));
        }
        std::free(reply);
        return pid;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = XCB_ATOM_NONE;
};

void endProcess(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 500; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

struct Started {
    pid_t pid = 0;
    fs::path folder;
    double startMs = 0;
};

// Ends the program and removes its folders.
void stop(const Started& started) {
    endProcess(started.pid);
    fs::remove_all(started.folder);
}

// Starts the program with fresh XDG folders and waits for its first window to
// be mapped; nothing when it shows no window within 30 s.
std::optional<Started> start(MapWatcher& watcher, const std::string& path, const fs::path& seed) {
    char folderName[] = "/tmp/corvallo-bench.XXXXXX";
    if (mkdtemp(folderName) == nullptr) {
        return std::nullopt;
    }
    Started started;
    started.folder = folderName;
    fs::create_directory(started.folder / "config");
    fs::create_directory(started.folder / "runtime");
    fs::permissions(started.folder / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    fs::copy(seed, started.folder / "config", fs::copy_options::recursive);

    const Clock::time_point begin = Clock::now();
    started.pid = fork();
    if (started.pid == 0) {
        setenv("XDG_CONFIG_HOME", (started.folder / "config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (started.folder / "runtime").c_str(), 1);
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (started.pid < 0) {
        fs::remove_all(started.folder);
        return std::nullopt;
    }
    if (!watcher.waitForWindowOf(started.pid, std::chrono::seconds(30))) {
        stop(started);
        return std::nullopt;
    }
    started.startMs = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
    return started;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr,
                     "usage: corvallo_bench_linux RUNS IDLE_SECONDS SEED_FOLDER NAME=PATH...\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int idleSeconds = std::atoi(argv[2]);
    const fs::path seed = argv[3];
    std::vector<Measured> programs;
    std::vector<std::string> paths;
    for (int i = 4; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto equals = argument.find('=');
        programs.push_back({argument.substr(0, equals), {}, {}});
        paths.push_back(argument.substr(equals + 1));
    }
    MapWatcher watcher;

    // The programs take turns, so that a slow phase of the machine falls on
    // all of them alike.
    for (int run = 0; run < runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const std::optional<Started> started = start(watcher, paths[p], seed);
            if (!started) {
                std::fprintf(stderr, "%s did not show a window\n", programs[p].name.c_str());
                return 1;
            }
            StartSample sample;
            sample.startMs = started->startMs;
            sample.startCpuMs = cpuMs(started->pid);
            std::this_thread::sleep_for(kSettle);
            sample.memoryKiB = residentKiB(started->pid);
            stop(*started);
            programs[p].starts.push_back(sample);
        }
    }

    // One long quiet period for all of them at once, instead of one per start:
    // a program that wakes now and then uses a few milliseconds a minute,
    // which a period of a few seconds cannot tell from nothing.
    std::vector<Started> idle;
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const std::optional<Started> started = start(watcher, paths[p], seed);
        if (!started) {
            std::fprintf(stderr, "%s did not show a window\n", programs[p].name.c_str());
            for (const Started& running : idle) {
                stop(running);
            }
            return 1;
        }
        idle.push_back(*started);
    }
    std::this_thread::sleep_for(kSettle);
    const Clock::time_point begin = Clock::now();
    for (int second = 0; second <= idleSeconds; ++second) {
        // Waiting for each second's mark, not a second after the last
        // reading, keeps the period IDLE_SECONDS long.
        std::this_thread::sleep_until(begin + std::chrono::seconds(second));
        for (std::size_t p = 0; p < programs.size(); ++p) {
            programs[p].idle.push_back({nowMs(), cpuMs(idle[p].pid)});
        }
    }
    for (const Started& running : idle) {
        stop(running);
    }

    corvallo::bench::printReport(programs, "resident KiB");
    return 0;
}
