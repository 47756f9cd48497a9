// The record list at 100,000 rows: appending each row as Add does (an item, then sub-items 1 to
// 3 of the last row, the count asked anew each time), and reading every cell back as Finish
// does. The list is shown (off screen unless told otherwise), so the view's upkeep is counted.
#include "app/toolkit/list_control.h"
#include "app/toolkit/report_list_view.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 100000;

struct ShownList
{
    ShownList()
    {
        list.Attach(&view);
        for (int position = 0; position < 4; ++position)
            list.InsertColumn(position, QStringLiteral("Category %1").arg(position + 1), ColumnFormat::Left, 100,
                              position);
        view.resize(600, 300);
        view.show();
        QCoreApplication::processEvents();
    }

    void AddRow(int number)
    {
        const QString text = QString::number(number);
        list.InsertItem(list.GetItemCount(), QStringLiteral("Name ") + text);
        list.SetItemText(list.GetItemCount() - 1, 1, QStringLiteral("Street ") + text);
        list.SetItemText(list.GetItemCount() - 1, 2, QStringLiteral("Town ") + text);
        list.SetItemText(list.GetItemCount() - 1, 3, QStringLiteral("Phone ") + text);
    }

    ReportListView view;
    CListCtrl list;
};

void PerRow(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * kRows);
    state.counters["per_row"] =
        benchmark::Counter(static_cast<double>(kRows), benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}

void AddRows(benchmark::State& state)
{
    for (auto _ : state) {
        ShownList shown;
        for (int row = 0; row < kRows; ++row)
            shown.AddRow(row);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(shown.list.GetItemCount());
    }
    PerRow(state);
}
BENCHMARK(AddRows)->Unit(benchmark::kMillisecond);

void ReadEveryCell(benchmark::State& state)
{
    ShownList shown;
    for (int row = 0; row < kRows; ++row)
        shown.AddRow(row);
    for (auto _ : state) {
        qsizetype characters = 0;
        for (int row = 0; row < shown.list.GetItemCount(); ++row) {
            for (int subItem = 0; subItem < 4; ++subItem)
                characters += shown.list.GetItemText(row, subItem).toUtf8().size();
        }
        benchmark::DoNotOptimize(characters);
    }
    PerRow(state);
}
BENCHMARK(ReadEveryCell)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
