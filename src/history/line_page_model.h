#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace numbrava {

// One result page for a list view. Lines arrive in batches while a check
// runs; each batch is one row insertion, however many lines it holds, so a
// page of tens of thousands of lines fills without a widget per line.
class LinePageModel : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(lines_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= lines_.size() || role != Qt::DisplayRole)
            return {};
        return lines_.at(index.row());
    }

    // Takes the lines of `all` beyond those already shown.
    void catchUp(const QStringList& all) {
        const qsizetype shown = lines_.size();
        if (all.size() <= shown)
            return;
        beginInsertRows({}, static_cast<int>(shown), static_cast<int>(all.size() - 1));
        lines_.append(all.mid(shown));
        endInsertRows();
    }
    void clear() {
        beginResetModel();
        lines_.clear();
        endResetModel();
    }
    const QStringList& lines() const { return lines_; }

  private:
    QStringList lines_;
};

} // namespace numbrava
