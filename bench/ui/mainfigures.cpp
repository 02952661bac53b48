// SPDX-License-Identifier: MIT
// The main window's figures: first show of the overview, one project's live status, the
// language switch, one card edit, and how long the main thread stalls during a full refresh.
#include "uibench.h"

#include "support/benchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int repeats = 50;

} // namespace

namespace MainFigures {

QList<UiFigure> overviewShow(UiBench &bench)
{
    BenchWindow window;
    QElapsedTimer timer;
    timer.start();
    window.addContent(bench.context());
    window.settle();
    return {{u"overview_show_ms"_s, millisecondsSince(timer), 150}};
}

QList<UiFigure> runtimeChange(UiBench &bench)
{
    BenchWindow &window = bench.window();
    // Projects whose card and sidebar row are on screen, so both really repaint.
    QList<ProjectConfig> projects = bench.projects();
    QList<double> times;
    for (int i = 0; i < repeats; ++i) {
        const QUuid id = projects[i % 4].id;
        QElapsedTimer timer;
        timer.start();
        Q_EMIT bench.model().runtimeChanged(id);
        QApplication::processEvents();
        times.append(millisecondsSince(timer));
    }
    window.settle();
    return {{u"runtime_change_ms"_s, BenchSupport::median(times), 4}};
}

QList<UiFigure> languageSwitch(UiBench &bench)
{
    BenchWindow &window = bench.window();
    QList<double> times;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer timer;
        timer.start();
        bench.preferences().setLanguage(AppLanguage::En);
        window.settle();
        times.append(millisecondsSince(timer));
        bench.preferences().setLanguage(AppLanguage::Cs);
        window.settle();
    }
    return {{u"language_switch_ms"_s, BenchSupport::median(times), 50}};
}

QList<UiFigure> editMainThread(UiBench &bench)
{
    bench.window();
    AppModel &model = bench.model();
    const QUuid cardID = model.cards().first().id;
    QList<double> times;
    for (int i = 0; i < repeats; ++i) {
        TaskCard card = *model.card(cardID);
        card.title = u"Upravený úkol %1"_s.arg(i);
        QElapsedTimer timer;
        timer.start();
        model.updateCard(card);
        QApplication::processEvents();
        times.append(millisecondsSince(timer));
    }
    model.dataFile().waitForPendingSaves();
    return {{u"edit_main_thread_ms"_s, BenchSupport::median(times), 4}};
}

QList<UiFigure> refreshStalls(UiBench &bench)
{
    bench.window();
    QList<double> gaps;
    QElapsedTimer clock;
    clock.start();
    double last = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, &ticker, [&] {
        const double now = millisecondsSince(clock);
        gaps.append(now - last);
        last = now;
    });
    ticker.start();
    last = millisecondsSince(clock);
    QCoro::waitFor(bench.model().refreshes().refreshAll());
    ticker.stop();
    std::sort(gaps.begin(), gaps.end());
    const double worst = gaps.isEmpty() ? 0 : gaps.last();
    const double p99 = gaps.isEmpty() ? 0 : gaps[qsizetype(double(gaps.size() - 1) * 0.99)];
    return {{u"refresh_max_stall_ms"_s, worst, 16}, {u"refresh_p99_stall_ms"_s, p99, 16}};
}

} // namespace MainFigures
