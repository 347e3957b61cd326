#include "plan_steps_model.h"

#include "plan_design.h"
#include "qt_dates.h"
#include "qt_text.h"

namespace ranktally {

PlanStepsModel::PlanStepsModel(QObject* parent)
    : QAbstractTableModel(parent), dateLocale_(QLocale::system()) {}

void PlanStepsModel::SetSteps(const std::vector<PlanStep>& steps) {
    beginResetModel();
    steps_ = steps;
    endResetModel();
}

void PlanStepsModel::SetDateLocale(const QLocale& locale) {
    dateLocale_ = locale;
    if (!steps_.empty()) {
        const int dates = static_cast<int>(kPlanColumns.size()) - 1;
        emit dataChanged(index(0, dates), index(rowCount() - 1, dates), {Qt::DisplayRole});
    }
}

int PlanStepsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(steps_.size());
}

int PlanStepsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kPlanColumns.size());
}

QString PlanStepsModel::Text(const PlanStep& step, std::size_t row, int column) const {
    switch (column) {
        case 0:
            return QString::number(step.level);
        case 1:
            return ToQString(StepKindText(steps_, row));
        case 2:
            return ToQString(step.points);
        case 3:
            return ToQString(step.hours);
        case 4:
            return ToQString(step.hoursOfPlay);
        default:
            return DateText(step.reached, dateLocale_, QLocale::ShortFormat);
    }
}

QVariant PlanStepsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return Text(steps_[row], row, index.column());
        case Qt::TextAlignmentRole:
            // Figures line up by their last digit; the kind is a word.
            return QVariant::fromValue(index.column() == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                                           : Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant PlanStepsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return ToQString(Translated(kPlanColumns[static_cast<std::size_t>(section)]));
}

}  // namespace ranktally
