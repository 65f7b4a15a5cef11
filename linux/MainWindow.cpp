#include "linux/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <stdexcept>

#include "core/app/Program.h"
#include "core/app/Steps.h"
#include "core/views/ControlNames.h"
#include "core/views/Routes.h"
#include "linux/DeferredPicture.h"
#include "linux/IconStoreWindow.h"
#include "linux/MainMenus.h"
#include "linux/WindowSystem.h"

namespace corvallo::qt {

// Every event of the user, the timer or the icon reaches the main presenter
// through attempt: a presenter's handler is a run of steps that skip their
// own failures, and no exception may unwind through Qt's event dispatch.

void MainFrame::closeEvent(QCloseEvent* event) {
    if (closingFromCode || !onCloseBox) {
        event->accept();
        return;
    }
    // The close box, Alt+F4 and the window menu's Close only ask: the program
    // decides whether the window hides or the program ends.
    event->ignore();
    onCloseBox();
}

MainWindow::MainWindow(IconStoreWindow& iconStore, std::function<bool()> hasNotificationArea,
                       std::chrono::milliseconds waitForNotificationArea)
    : iconStore_(iconStore),
      widgets_(layout::mainWindow()),
      taskBarFallback_(std::move(hasNotificationArea), waitForNotificationArea) {}

MainWindow::~MainWindow() = default;

MainPresenter& MainWindow::presenter() const {
    if (program_ == nullptr) {
        throw std::logic_error("main window not attached to a program");
    }
    return program_->main();
}

void MainWindow::perform(MainAction action) {
    attempt([&] { presenter().perform(action); });
}

void MainWindow::ensureCreated() const {
    if (destroyed_) {
        throw std::logic_error("main window destroyed");
    }
    if (!frame_) {
        const_cast<MainWindow*>(this)->create();
    }
}

void MainWindow::create() {
    const layout::Window& layout = widgets_.layout();
    frame_ = std::make_unique<MainFrame>();
    frame_->setObjectName(QStringLiteral("frmMain"));
    frame_->setWindowTitle(toQString(layout.caption));
    // A fixed border and a title bar with the system menu and the close box
    // only: no minimise or maximise button, no resizing. The program still
    // minimises the window itself on its way into the notification area.
    frame_->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    icon_ = IconStoreWindow::programIcon();
    frame_->setWindowIcon(icon_);

    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("clientArea"));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, colourFor(layout.background));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    client->setFont(fontFor(layout.font));
    client->setFixedSize(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
    widgets_.create(client);
    frame_->setCentralWidget(client);
    trayMenu_ =
        createMainMenus(*frame_->menuBar(), layout, [this](MainAction action) { perform(action); });
    frame_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    frame_->onCloseBox = [this] { onCloseRequest(CloseReason::CloseBox); };
    connectControls();
    // The window first appears in the middle of the screen; its size is known
    // once the layout has settled.
    frame_->adjustSize();
    centreOnScreen();

    dailyTimer_.setObjectName(QStringLiteral("Timer1"));
    dailyTimer_.setInterval(1000);
    dailyTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&dailyTimer_, &QTimer::timeout,
                     [this] { attempt([&] { presenter().tick(); }); });
    dailyTimer_.start();
}

// activated and clicked come from the user only, never from a change made
// in code, which is what the presenter expects of a control's events.
void MainWindow::connectControls() {
    for (const layout::Control& control : widgets_.layout().controls) {
        if (const auto action = routeOf(kMainRoutes, control.name)) {
            connectClick(widgets_.widget(control.name),
                         [this, action = *action] { perform(action); });
        }
    }
    for (ListId id : kUserLists) {
        QObject::connect(list(id), &QComboBox::activated,
                         [this, id] { attempt([&] { presenter().listPicked(id); }); });
    }
    const std::pair<std::string_view, StartupOption> options[] = {
        {kRunOptionName, StartupOption::Run}, {kDontRunOptionName, StartupOption::DontRun}};
    for (const auto& [name, option] : options) {
        QObject::connect(widgets_.get<QRadioButton>(name), &QRadioButton::clicked,
                         [this, option = option] {
                             attempt([&] { presenter().startupOptionClicked(option); });
                         });
    }
    QObject::connect(widgets_.get<QCheckBox>(kTrayAtLogOnName), &QCheckBox::clicked,
                     [this] { attempt([&] { presenter().trayAtLogOnClicked(); }); });
}

QComboBox* MainWindow::list(ListId id) const {
    ensureCreated();
    return widgets_.get<QComboBox>(listName(id));
}

void MainWindow::fillList(ListId id, const std::vector<std::string>& items) {
    QComboBox* box = list(id);
    box->clear();
    for (const std::string& item : items) {
        box->addItem(QString::fromStdString(item));
    }
    box->setCurrentIndex(-1);
}

int MainWindow::listCount(ListId id) const {
    return list(id)->count();
}

std::string MainWindow::listItem(ListId id, int index) const {
    QComboBox* box = list(id);
    if (index < 0 || index >= box->count()) {
        throw std::out_of_range("list item");
    }
    return box->itemText(index).toStdString();
}

int MainWindow::listIndex(ListId id) const {
    return list(id)->currentIndex();
}

void MainWindow::setListIndex(ListId id, int index) {
    QComboBox* box = list(id);
    if (index < -1 || index >= box->count()) {
        throw std::out_of_range("list index");
    }
    box->setCurrentIndex(index);
}

CheckState MainWindow::trayAtLogOn() const {
    ensureCreated();
    switch (widgets_.get<QCheckBox>(kTrayAtLogOnName)->checkState()) {
        case Qt::Checked:
            return CheckState::Ticked;
        case Qt::PartiallyChecked:
            return CheckState::Greyed;
        case Qt::Unchecked:
            break;
    }
    return CheckState::Clear;
}

void MainWindow::setTrayAtLogOn(CheckState state) {
    ensureCreated();
    auto* box = widgets_.get<QCheckBox>(kTrayAtLogOnName);
    box->setTristate(state == CheckState::Greyed);
    box->setCheckState(state == CheckState::Ticked   ? Qt::Checked
                       : state == CheckState::Greyed ? Qt::PartiallyChecked
                                                     : Qt::Unchecked);
}

bool MainWindow::trayAtLogOnEnabled() const {
    ensureCreated();
    return widgets_.widget(kTrayAtLogOnName)->isEnabled();
}

void MainWindow::setTrayAtLogOnEnabled(bool enabled) {
    ensureCreated();
    widgets_.widget(kTrayAtLogOnName)->setEnabled(enabled);
}

StartupOption MainWindow::startupOption() const {
    ensureCreated();
    return widgets_.get<QRadioButton>(kRunOptionName)->isChecked() ? StartupOption::Run
                                                                   : StartupOption::DontRun;
}

void MainWindow::setStartupOption(StartupOption option) {
    ensureCreated();
    widgets_.get<QRadioButton>(option == StartupOption::Run ? kRunOptionName : kDontRunOptionName)
        ->setChecked(true);
}

void MainWindow::setTipPicture(int tipIndex) {
    showPicture(names::kTipPicture, tipIndex);
}

void MainWindow::setSettingsPicture(int tipIndex) {
    showPicture(names::kSettingsPicture, tipIndex);
}

void MainWindow::showPicture(std::string_view box, int tipIndex) {
    ensureCreated();
    auto& picture = box == names::kTipPicture ? tipPicture_ : settingsPicture_;
    if (picture == nullptr) {
        picture = new DeferredPicture(*widgets_.get<QLabel>(box));
    }
    picture->show(tipIndex);
}

void MainWindow::setTipText(const std::string& text) {
    ensureCreated();
    const QString tip = QString::fromStdString(text);
    widgets_.get<QLabel>(names::kTipText)->setText(tip);
    // The pictures show the tip: screen readers name them by its text.
    for (const std::string_view picture : {names::kTipPicture, names::kSettingsPicture}) {
        widgets_.widget(picture)->setAccessibleName(tip);
    }
}

// The panels are shown and hidden rather than only restacked, so that a
// hidden panel's controls leave the tab order.
void MainWindow::bringPanelToFront(Panel panel) {
    ensureCreated();
    QWidget* tip = widgets_.widget(names::kTipPanel);
    QWidget* settings = widgets_.widget(names::kSettingsPanel);
    QWidget* shown = panel == Panel::Tip ? tip : settings;
    QWidget* hidden = panel == Panel::Tip ? settings : tip;
    const bool focusWasInHidden = hidden->isAncestorOf(QApplication::focusWidget());
    shown->show();
    shown->raise();
    hidden->hide();
    if (focusWasInHidden) {
        // The panel's first control in the tab order that can take the focus.
        for (QWidget* next = shown->nextInFocusChain(); next != shown;
             next = next->nextInFocusChain()) {
            if (shown->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) &&
                next->isVisibleTo(shown) && next->isEnabled()) {
                next->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
}

void MainWindow::bringPromotionToFront(Promotion label) {
    ensureCreated();
    QWidget* cobrand = widgets_.widget(names::kCobrandLink);
    QWidget* fullBrand = widgets_.widget(names::kFullBrandLink);
    QWidget* shown = label == Promotion::Cobrand ? cobrand : fullBrand;
    shown->show();
    shown->raise();
    (label == Promotion::Cobrand ? fullBrand : cobrand)->hide();
}

// A window that is hidden is minimized when it is shown next.
void MainWindow::show() {
    ensureCreated();
    taskBarFallback_.windowShown();
    if (minimizedWhileHidden_) {
        frame_->showMinimized();
    } else {
        showInFront(*frame_);
    }
    minimizedWhileHidden_ = false;
}

void MainWindow::hide() {
    ensureCreated();
    if (!taskBarFallback_.hasNotificationArea()) {
        taskBarFallback_.minimise(*frame_);
        return;
    }
    frame_->hide();
}

// Minimising a hidden window would show it, so a hidden window only
// remembers the state for its next show().
void MainWindow::setWindowState(WindowState state) {
    ensureCreated();
    if (!frame_->isVisible()) {
        minimizedWhileHidden_ = state == WindowState::Minimized;
        return;
    }
    if (state == WindowState::Minimized) {
        frame_->showMinimized();
    } else if (frame_->isMinimized()) {
        frame_->showNormal();
    }
}

void MainWindow::centreOnScreen() {
    ensureCreated();
    qt::centreOnScreen(*frame_);
}

void MainWindow::setIconFromStore(int position) {
    ensureCreated();
    icon_ = iconStore_.icon(position);
    frame_->setWindowIcon(icon_);
}

TrayMenuChoice MainWindow::popupTrayMenu() {
    ensureCreated();
    if (trayMenuChoice_) {
        return *trayMenuChoice_;
    }
    return execTrayMenu(*trayMenu_, QCursor::pos());
}

const QMenu& MainWindow::trayMenu() const {
    ensureCreated();
    return *trayMenu_;
}

void MainWindow::onTrayMenuChoice(TrayMenuChoice choice) {
    trayMenuChoice_ = choice;
    onTrayGesture(TrayGesture::OpenMenu);
    trayMenuChoice_.reset();
}

// The window may be destroyed from one of its own widgets' handlers, so the
// widgets go once that event has returned.
void MainWindow::destroy() {
    destroyed_ = true;
    dailyTimer_.stop();
    taskBarFallback_.stop();
    if (frame_) {
        frame_->closingFromCode = true;
        frame_->hide();
        frame_.release()->deleteLater();
    }
}

void MainWindow::onTrayGesture(TrayGesture gesture) {
    attempt([&] { presenter().trayGesture(gesture); });
}

void MainWindow::onCloseRequest(CloseReason reason) {
    attempt([&] { presenter().close(reason); });
}

}  // namespace corvallo::qt
