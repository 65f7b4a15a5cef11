#include "linux/LinkAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "linux/LayoutWidgets.h"

namespace corvallo::qt {
namespace {

class LinkAccessible final : public QAccessibleWidget {
  public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? link()->text() : name;
        }
        return QAccessibleWidget::text(kind);
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }

    [[nodiscard]] QStringList actionNames() const override {
        return {QAccessibleActionInterface::pressAction()};
    }

    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::pressAction() && link()->onClick) {
            link()->onClick();
        }
    }

  private:
    [[nodiscard]] LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* linkFactory(const QString&, QObject* object) {
    if (auto* link = dynamic_cast<LinkLabel*>(object)) {
        return new LinkAccessible(link);
    }
    return nullptr;
}

}  // namespace

void installLinkAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&linkFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace corvallo::qt
