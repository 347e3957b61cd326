#pragma once

#include <QAbstractListModel>

#include "form_design.h"

class QComboBox;

namespace ranktally {

// Gives the selector its design's entries: a long list (the levels) as SelectorEntries, a short one
// (the hours) as Qt's own items, which cost it less. In Qt 6.4 setting a model of ours costs a
// selector about 0.19M instructions at start, as it undoes by their signatures its connections to
// the model it made itself; two dozen items take about half that.
void GiveEntries(QComboBox& selector, const SelectorDesign& design);

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
