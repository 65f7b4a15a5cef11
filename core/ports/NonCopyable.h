#pragma once

namespace corvallo {

// Ports are interfaces to one platform object each; copying one would only
// duplicate a handle, so all of them forbid it.
class NonCopyable {
  public:
    NonCopyable() = default;
    NonCopyable(const NonCopyable&) = delete;
    NonCopyable& operator=(const NonCopyable&) = delete;

  protected:
    ~NonCopyable() = default;
};

}  // namespace corvallo
