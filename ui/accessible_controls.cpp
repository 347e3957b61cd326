#include "accessible_controls.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QPointer>
#include <QWindow>

#include <algorithm>
#include <vector>

#include "link_label.h"

namespace ranktally {
namespace {

// A selector named by its caption, which Qt on Linux replaces by the picked entry, with that entry
// as its text, which Orca reads as a combo box's value.
class SelectorAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit SelectorAccessible(QComboBox* selector)
        : QAccessibleWidget(selector, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? Picked() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Selector()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    // The picked entry as read-only text.
    QString text(int startOffset, int endOffset) const override {
        return Picked().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Picked().size()); }
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

protected:
    QComboBox* Selector() const { return static_cast<QComboBox*>(widget()); }

private:
    QString Picked() const { return Selector()->currentText(); }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
// One entry of a selector. Qt 6.4 tells AT-SPI nothing of a closed selector's entries, and Orca
// speaks a new pick only when the focus moves to an object of its own.
class SelectorEntry : public QAccessibleInterface {
public:
    SelectorEntry(QComboBox* selector, int row) : selector_(selector), row_(row) {}

    bool isValid() const override { return selector_ != nullptr && row_ < selector_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return selector_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(selector_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? selector_->itemText(row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    // A closed selector shows its picked entry in its own face.
    QRect rect() const override {
        return QRect(selector_->mapToGlobal(QPoint(0, 0)), selector_->size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        const bool picked = selector_->currentIndex() == row_;
        state.selectable = true;
        state.focusable = true;
        state.selected = picked;
        state.focused = picked && selector_->hasFocus();
        state.invisible = !picked && !selector_->view()->isVisible();
        return state;
    }

private:
    QPointer<QComboBox> selector_;
    int row_;
};

// A selector with an object for each entry, focused as it is picked.
class SelectorWithEntries : public SelectorAccessible {
public:
    using SelectorAccessible::SelectorAccessible;
    ~SelectorWithEntries() override {
        for (const QAccessible::Id id : entries_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    int childCount() const override { return Selector()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        if (entries_.size() <= static_cast<std::size_t>(index)) {
            entries_.resize(static_cast<std::size_t>(index) + 1, 0);
        }
        QAccessible::Id& id = entries_[static_cast<std::size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(new SelectorEntry(Selector(), index));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
        const auto found = std::find(entries_.begin(), entries_.end(), id);
        return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

private:
    mutable std::vector<QAccessible::Id> entries_;
};
using SelectorInterface = SelectorWithEntries;
#else
using SelectorInterface = SelectorAccessible;
#endif

// Orca speaks a notification when it starts showing; the label is hidden while it has nothing to
// say, so that no empty label lies about in the window.
class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::Notification) {}

    // A notice drawn as a picture says its words through its accessible name.
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) {
            return QAccessibleWidget::text(t);
        }
        const auto* label = static_cast<QLabel*>(widget());
        return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
    }
};

// A link: its text as its name, and activated by a screen reader's press as by Enter.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<LinkLabel*>(widget())->text()
                                      : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit static_cast<LinkLabel*>(widget())->activated();
        }
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox")) {
        if (auto* selector = qobject_cast<QComboBox*>(object);
            selector && !selector->isEditable()) {
            return new SelectorInterface(selector);
        }
    }
    if (className == QLatin1String("ranktally::LinkLabel")) {
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    }
    if (className == QLatin1String("ranktally::NoticeLabel")) {
        return new NoticeAccessible(static_cast<NoticeLabel*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    static_cast<void>(installed);
}

void AnnouncePick([[maybe_unused]] QComboBox* selector) {
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    if (!QAccessible::isActive() || !selector->hasFocus() || selector->currentIndex() < 0) {
        return;
    }
    QAccessibleInterface* entry =
        QAccessible::queryAccessibleInterface(selector)->child(selector->currentIndex());
    QAccessibleEvent focus(entry, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
#endif
}

}  // namespace ranktally
