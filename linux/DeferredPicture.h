#pragma once

#include <QObject>

class QLabel;

namespace corvallo::qt {

// A tip picture in a label, decoded when the label is painted with it rather
// than when it is set: at the start the program sets the pictures of both
// panels, some of them twice, before the window is on screen, and only the
// one on the panel in front is ever seen. The label owns this object.
class DeferredPicture final : public QObject {
  public:
    explicit DeferredPicture(QLabel& label);

    // Shows tip 1 to 30 from the label's next paint on. Throws
    // std::out_of_range for another index, at once.
    void show(int tipIndex);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel& label_;
    int pending_ = 0;  // the tip to decode at the next paint; 0 for none
};

}  // namespace corvallo::qt
