#include "ui/qt/result_list_model.h"

#include <QSize>
#include <QString>
#include <chrono>

namespace zarvik3 {

namespace {

constexpr int kRowHeight = 13;

int Milliseconds(ShowPacing::Clock::duration interval) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(interval).count());
}

}  // namespace

ResultListModel::ResultListModel(QObject* parent, qint64 batchIntervalMs)
    : QAbstractListModel(parent), pacing_(std::chrono::milliseconds(batchIntervalMs)) {
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(Milliseconds(pacing_.Interval()));
    connect(&flushTimer_, &QTimer::timeout, this, &ResultListModel::Flush);
}

void ResultListModel::Append(const std::string& line) {
    lines_.push_back(line);
    FlushIfDue();
    if (PendingCount() > 0 && !flushTimer_.isActive()) flushTimer_.start();
}

void ResultListModel::AppendToRow(std::size_t row, const std::string& suffix) {
    if (row >= lines_.size()) return;
    lines_[row] += suffix;
    if (row < shownCount_) {
        const QModelIndex changed = index(static_cast<int>(row));
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

void ResultListModel::Clear() {
    flushTimer_.stop();
    beginResetModel();
    lines_.clear();
    shownCount_ = 0;
    endResetModel();
    pacing_.Restart();
}

std::size_t ResultListModel::LineCount() {
    Flush();
    return lines_.size();
}

const std::string& ResultListModel::Line(std::size_t index) {
    Flush();
    return lines_.at(index);
}

void ResultListModel::FlushIfDue() {
    if (PendingCount() > 0 && pacing_.Due()) Flush();
}

void ResultListModel::Flush() {
    pacing_.Restart();
    if (PendingCount() == 0) return;
    flushTimer_.stop();
    beginInsertRows(QModelIndex(), static_cast<int>(shownCount_),
                    static_cast<int>(lines_.size() - 1));
    shownCount_ = lines_.size();
    endInsertRows();
    emit linesFlushed();
    pacing_.Shown();
    flushTimer_.setInterval(Milliseconds(pacing_.Interval()));
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shownCount_);
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= shownCount_) return {};
    if (role == Qt::DisplayRole) {
        // Names are bytes; only here are they decoded, for display.
        return QString::fromUtf8(lines_[static_cast<std::size_t>(index.row())]);
    }
    if (role == Qt::SizeHintRole) return QSize(0, kRowHeight);
    return {};
}

}  // namespace zarvik3
