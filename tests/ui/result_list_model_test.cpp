// The result list's lines, batched on their way to the view.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "ui/qt/result_list_model.h"

namespace zarvik3 {
namespace {

// An hour between batches: no batch goes out on its own while the test runs.
constexpr qint64 kNeverDue = 3'600'000;

TEST(ResultListModel, CountingFlushesThePendingBatch) {
    ResultListModel model(nullptr, kNeverDue);
    model.Append("first");
    model.Append("second");
    model.Append("third");
    EXPECT_EQ(model.rowCount(), 0);
    QSignalSpy flushed(&model, &ResultListModel::linesFlushed);
    EXPECT_EQ(model.LineCount(), 3u);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(flushed.count(), 1);
    EXPECT_EQ(model.index(2).data().toString(), "third");
}

TEST(ResultListModel, PendingLinesReachTheViewWithoutFurtherLines) {
    ResultListModel model;
    model.Append("a");
    model.Append("b");
    EXPECT_TRUE(QTest::qWaitFor([&] { return model.rowCount() == 2; }, 5000));
}

TEST(ResultListModel, ClearDropsPendingLines) {
    ResultListModel model;
    model.Append("a");
    model.Append("b");
    model.Clear();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.LineCount(), 0u);
    model.Append("c");
    EXPECT_EQ(model.LineCount(), 1u);
    EXPECT_EQ(model.Line(0), "c");
}

TEST(ResultListModel, TextAddedToAShownRowReachesTheView) {
    ResultListModel model;
    model.Append("D:\\dst\\b.txt");
    model.Flush();
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.AppendToRow(0, " - failed");
    model.AppendToRow(1, " - no such row");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(model.index(0).data().toString(), "D:\\dst\\b.txt - failed");
}

TEST(ResultListModel, NamesThatAreNoUtf8StillDisplay) {
    ResultListModel model;
    model.Append("D:\\dst\\caf\xe9.txt");
    model.Flush();
    EXPECT_EQ(model.Line(0), "D:\\dst\\caf\xe9.txt");
    const QString shown = model.index(0).data().toString();
    EXPECT_TRUE(shown.startsWith("D:\\dst\\caf"));
    EXPECT_TRUE(shown.endsWith(".txt"));
}

TEST(ResultListModel, RowsAreThirteenPixelsHigh) {
    ResultListModel model;
    model.Append("a");
    model.Flush();
    EXPECT_EQ(model.index(0).data(Qt::SizeHintRole).toSize().height(), 13);
}

}  // namespace
}  // namespace zarvik3
