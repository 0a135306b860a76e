// Qt's own list against the game's history list: 50,000 rounds' lines
// appended one at a time, each selected and scrolled into view as a round
// does, the window painting after each thousand. Prints what a line costs
// early and late, and the memory each list took, one list a run:
//   morveta_bench_history_lists game|widget|view
#include "expected_line.h"
#include "history_list.h"
#include "resident.h"

#include <QApplication>
#include <QListView>
#include <QListWidget>
#include <QStringListModel>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const char* which = argc > 1 ? argv[1] : "game";
    constexpr int kRounds = 50'000;
    constexpr int kBlock = 1'000;

    std::unique_ptr<QWidget> list;
    std::function<void(const QString&)> append;
    if (std::strcmp(which, "widget") == 0) {
        auto* w = new QListWidget;
        w->setUniformItemSizes(true);
        append = [w](const QString& line) {
            w->addItem(line);
            w->setCurrentRow(w->count() - 1);
            w->scrollToItem(w->currentItem());
        };
        list.reset(w);
    } else if (std::strcmp(which, "view") == 0) {
        auto* v = new QListView;
        auto* model = new QStringListModel(v);
        v->setModel(model);
        v->setUniformItemSizes(true);
        append = [v, model](const QString& line) {
            const int row = model->rowCount();
            model->insertRows(row, 1);
            const QModelIndex index = model->index(row);
            model->setData(index, line);
            v->setCurrentIndex(index);
            v->scrollTo(index);
        };
        list.reset(v);
    } else {
        auto* h = new qtgui::HistoryList;
        append = [h](const QString& line) {
            h->addItem(line);
            h->setCurrentRow(h->count() - 1);
        };
        list.reset(h);
    }
    list->resize(505, 80);
    list->show();
    QApplication::processEvents();

    const long long before = bench::residentBytes();
    std::vector<double> blocks;
    auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < kRounds; ++round) {
        append(QString::fromStdString(testing_support::lineFor(round % 3, (round / 3) % 3)));
        if (round % kBlock == kBlock - 1) {
            QApplication::processEvents();
            const auto now = std::chrono::steady_clock::now();
            blocks.push_back(std::chrono::duration<double, std::micro>(now - start).count() /
                             kBlock);
            start = now;
        }
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const double early = median({blocks.begin(), blocks.begin() + 10});
    const double late = median({blocks.end() - 10, blocks.end()});
    std::printf("%s: a line takes %.1f us early, %.1f us late; memory grew by %lld KiB\n", which,
                early, late, (bench::residentBytes() - before) / 1024);
    return 0;
}
