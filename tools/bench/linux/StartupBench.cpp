// Starts each program several times on the current X display and reports, as
// medians: the time until its first window is mapped, the processor time it
// used by then, its resident memory once started and the processor time it
// uses while it sits idle. Every start gets fresh XDG folders, filled from a
// seed folder. Run under Xvfb by tools/benchmark-linux.sh.
//
//   corvallo_bench_linux RUNS IDLE_SECONDS SEED_FOLDER NAME=PATH [NAME=PATH ...]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
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

#include "../Median.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Sample {
    double startMs = 0;
    double startCpuMs = 0;
    double residentKiB = 0;
    double idleCpuPercent = 0;
};

struct Program {
    std::string name;
    std::string path;
    std::vector<Sample> samples;
};

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

std::optional<Sample> measure(MapWatcher& watcher, const std::string& path, int idleSeconds,
                              const fs::path& seed) {
    char folderName[] = "/tmp/corvallo-bench.XXXXXX";
    if (mkdtemp(folderName) == nullptr) {
        return std::nullopt;
    }
    const fs::path folder = folderName;
    fs::create_directory(folder / "config");
    fs::create_directory(folder / "runtime");
    fs::permissions(folder / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    fs::copy(seed, folder / "config", fs::copy_options::recursive);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (folder / "runtime").c_str(), 1);
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    std::optional<Sample> sample;
    if (pid > 0 && watcher.waitForWindowOf(pid, std::chrono::seconds(30))) {
        sample.emplace();
        sample->startMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        sample->startCpuMs = cpuMs(pid);
        std::this_thread::sleep_for(std::chrono::seconds(1));
        sample->residentKiB = residentKiB(pid);
        const double cpuBefore = cpuMs(pid);
        std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
        sample->idleCpuPercent = 100 * (cpuMs(pid) - cpuBefore) / (idleSeconds * 1000.0);
    }
    if (pid > 0) {
        endProcess(pid);
    }
    fs::remove_all(folder);
    return sample;
}

template <class Field>
double median(const std::vector<Sample>& samples, Field field) {
    std::vector<double> values;
    for (const Sample& sample : samples) {
        values.push_back(sample.*field);
    }
    return corvallo::bench::median(std::move(values));
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
    std::vector<Program> programs;
    for (int i = 4; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto equals = argument.find('=');
        programs.push_back({argument.substr(0, equals), argument.substr(equals + 1), {}});
    }
    MapWatcher watcher;
    // The programs take turns, so that a slow phase of the machine falls on
    // all of them alike.
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            const std::optional<Sample> sample = measure(watcher, program.path, idleSeconds, seed);
            if (!sample) {
                std::fprintf(stderr, "%s did not show a window\n", program.name.c_str());
                return 1;
            }
            program.samples.push_back(*sample);
        }
    }
    std::printf("%-10s %5s %12s %13s %13s %11s\n", "program", "runs", "start-up ms", "start CPU ms",
                "resident KiB", "idle CPU %");
    for (const Program& program : programs) {
        std::printf("%-10s %5d %12.0f %13.0f %13.0f %11.3f\n", program.name.c_str(), runs,
                    median(program.samples, &Sample::startMs),
                    median(program.samples, &Sample::startCpuMs),
                    median(program.samples, &Sample::residentKiB),
                    median(program.samples, &Sample::idleCpuPercent));
    }
    return 0;
}
