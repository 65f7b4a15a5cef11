#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "core/views/AboutView.h"

namespace corvallo::qt {

class MainWindow;

// The About window: a fixed dialog, modal above the main window. Each opening
// makes a fresh dialog from the layout; closing destroys it. Enter and Esc
// press "&OK", which is the default button.
class AboutWindow final : public AboutView {
  public:
    // `mainWindow` must outlive this object.
    explicit AboutWindow(const MainWindow& mainWindow) : mainWindow_(mainWindow) {}
    ~AboutWindow() override;

    void showModal(const std::function<void(AboutAction)>& perform) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return dialog_ != nullptr; }

  private:
    const MainWindow& mainWindow_;
    std::unique_ptr<QDialog> dialog_;
};

}  // namespace corvallo::qt
