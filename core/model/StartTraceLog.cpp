#include "core/model/StartTraceLog.h"

#include <utility>

namespace corvallo {

StartTraceLog::StartTraceLog(std::FILE* file, std::function<double()> millisecondsSinceProcessStart)
    : file_(file), sinceStart_(std::move(millisecondsSinceProcessStart)) {}

StartTraceLog::~StartTraceLog() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void StartTraceLog::reached(std::string_view step) noexcept {
    if (file_ == nullptr) {
        return;
    }
    std::fprintf(file_, "%9.1f  %.*s\n", sinceStart_(), static_cast<int>(step.size()), step.data());
    std::fflush(file_);
}

}  // namespace corvallo
