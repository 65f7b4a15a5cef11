#pragma once

#include <string>

namespace corvallo::test {

// A fresh folder made by mkdtemp under $TMPDIR (else /tmp), removed with all
// it holds when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::string& path() const { return path_; }
    // The path of `name` inside the folder.
    [[nodiscard]] std::string operator/(const std::string& name) const {
        return path_ + "/" + name;
    }

  private:
    std::string path_;
};

// Sets an environment variable (or removes it, for nullptr) until the object
// goes, then restores the earlier state.
class ScopedEnvironment {
  public:
    ScopedEnvironment(std::string name, const char* value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    std::string name_;
    bool hadValue_ = false;
    std::string oldValue_;
};

// The whole file as text ("" when it cannot be read), and a file written
// with exactly `content`.
[[nodiscard]] std::string fileText(const std::string& path);
void writeFile(const std::string& path, const std::string& content);

}  // namespace corvallo::test
