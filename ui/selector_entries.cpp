#include "selector_entries.h"

#include <QComboBox>
#include <QStringList>

#include <string>

namespace ranktally {
namespace {

// Where the two cost about the same lies between the hours' 24 entries and the levels' 220.
constexpr int kItemsUpTo = 50;

QString EntryText(int row) {
    // Figures are ASCII.
    const std::string entry = ListEntry(row);
    return QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size()));
}

}  // namespace

void GiveEntries(QComboBox& selector, const SelectorDesign& design) {
    if (design.entries > kItemsUpTo) {
        selector.setModel(new SelectorEntries(design, &selector));
        return;
    }
    QStringList entries;
    entries.reserve(design.entries);
    for (int row = 0; row < design.entries; ++row) {
        entries.append(EntryText(row));
    }
    selector.addItems(entries);
}

SelectorEntries::SelectorEntries(const SelectorDesign& selector, QObject* parent)
    : QAbstractListModel(parent), entries_(selector.entries) {}

int SelectorEntries::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : entries_;
}

QVariant SelectorEntries::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return EntryText(index.row());
}

}  // namespace ranktally
