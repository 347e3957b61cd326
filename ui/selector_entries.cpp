#include "selector_entries.h"

#include <string>

namespace ranktally {

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
    // Figures are ASCII.
    const std::string entry = ListEntry(index.row());
    return QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size()));
}

}  // namespace ranktally
