#pragma once

#include <thread>

namespace corvallo::qt {

// Reads the machine's font configuration (fontconfig: the files under
// /etc/fonts and the font caches) on a thread of its own, from the moment
// the program starts. Qt reads it the first time it measures a text, in the
// middle of making the main window, and that reading is about a quarter of
// the work of a start; it needs nothing of Qt's, so it can run on another
// core while Qt connects to the display. Qt's own reading then finds it
// done. Made at the top of main; join() (or the end of the object) waits
// for the reading, which must have ended before Qt asks for its first font
// so that the two do not both do it.
class FontConfigWarmUp {
  public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    void join();

  private:
    std::thread reading_;
};

}  // namespace corvallo::qt
