#pragma once

#include <QAbstractTableModel>
#include <QLocale>

#include <vector>

#include "plan.h"

namespace ranktally {

// The climb's steps as the plan window's table shows them, one row a step under the planner's
// column headers, each day in the user's short regional format. It decides no figure.
class PlanStepsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit PlanStepsModel(QObject* parent = nullptr);

    void SetSteps(const std::vector<PlanStep>& steps);
    // The regional format changed: every day is written anew.
    void SetDateLocale(const QLocale& locale);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString Text(const PlanStep& step, std::size_t row, int column) const;

    std::vector<PlanStep> steps_;
    QLocale dateLocale_;
};

}  // namespace ranktally
