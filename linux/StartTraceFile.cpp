#include "linux/StartTraceFile.h"

#include <unistd.h>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

#include "core/ports/StartTrace.h"

namespace corvallo::qt {
namespace {

// Field 22 of /proc/self/stat: the start, in clock ticks after boot. The
// command name (field 2) may hold blanks, so counting starts after its ")".
double startTicksAfterBoot() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    const auto end = line.rfind(')');
    if (end == std::string::npos) {
        return -1.0;
    }
    std::string field;
    std::size_t position = end + 2;
    for (int number = 3; number <= 22; ++number) {
        const auto next = line.find(' ', position);
        field = line.substr(position, next - position);
        position = next + 1;
    }
    return std::strtod(field.c_str(), nullptr);
}

class FirstPaintWatch final : public QObject {
  public:
    FirstPaintWatch(QWidget& window, StartTrace& trace) : QObject(&window), trace_(trace) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            trace_.reached("first paint");
            watched->removeEventFilter(this);
            // A zero timer runs once the events already queued are handled.
            QTimer::singleShot(0, this, [this] {
                trace_.reached("idle");
                deleteLater();
            });
        }
        return false;
    }

  private:
    StartTrace& trace_;
};

}  // namespace

std::FILE* openStartTraceFile() {
    const char* path = std::getenv("CORVALLO_START_TRACE");
    if (path == nullptr || *path == '\0') {
        return nullptr;
    }
    return std::fopen(path, "a");
}

double millisecondsSinceProcessStart() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs =
        static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1'000'000.0;
    return nowMs - startTicksAfterBoot() * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

void traceFirstPaint(QWidget& window, StartTrace& trace) {
    new FirstPaintWatch(window, trace);
}

}  // namespace corvallo::qt
