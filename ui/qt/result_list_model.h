#pragma once

#include <QAbstractListModel>
#include <QTimer>
#include <cstddef>
#include <string>
#include <vector>

#include "window/show_pacing.h"

namespace zarvik3 {

// The result list's lines. New lines reach the view in batches at most every 30 ms (less
// often once the list is long), since announcing each row separately makes a long run
// spend its time in the view; every question about the lines flushes the batch first.
class ResultListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    // batchIntervalMs: the shortest time between two batches.
    explicit ResultListModel(QObject* parent = nullptr, qint64 batchIntervalMs = 30);

    void Append(const std::string& line);
    void AppendToRow(std::size_t row, const std::string& suffix);
    void Clear();

    std::size_t LineCount();
    const std::string& Line(std::size_t index);

    // Hands the pending lines to the view when the batch interval has passed.
    void FlushIfDue();
    void Flush();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  signals:
    // After a batch of rows reached the view, so it can bring the newest into view.
    void linesFlushed();

  private:
    std::size_t PendingCount() const { return lines_.size() - shownCount_; }
    std::vector<std::string> lines_;
    std::size_t shownCount_ = 0;
    ShowPacing pacing_;
    // Flushes a batch left pending when no further line or event pumping comes soon.
    QTimer flushTimer_;
};

}  // namespace zarvik3
