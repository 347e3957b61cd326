#pragma once

#include <QAbstractListModel>

#include "form_design.h"

namespace ranktally {

// A selector's fixed entries as a list model, each written from the design when the selector
// asks for it: a window with long lists keeps no string of them and starts without making them.
// It knows nothing of which entry is picked.
class SelectorEntries : public QAbstractListModel {
public:
    SelectorEntries(const SelectorDesign& selector, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int entries_;
};

}  // namespace ranktally
