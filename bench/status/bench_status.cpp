// SPDX-License-Identifier: MIT
// `quaylin status` over N generated repositories against a floor that runs the four git
// commands per repository the reader used to need (it now needs two) with `xargs -P $(nproc)`,
// measured in one run. Prints both times, their ratio, and the peak memory of
// `quaylin status`.
#include "support/benchsupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

using namespace BenchSupport;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray binary = argc > 1 ? QByteArray(argv[1]) : QByteArray(QUAYLIN_BINARY);
    constexpr int runs = 5;
    std::printf("quaylin status against the git floor (xargs -P %d), median of %d runs\n",
                QThread::idealThreadCount(), runs);

    for (int count : {50, 200}) {
        QTemporaryDir root;
        const QList<ProjectConfig> projects = makeRepositories(root.path(), count);
        if (projects.size() != count || !writeDataFile(root.path(), projects)) {
            std::fprintf(stderr, "could not create the repositories\n");
            return 1;
        }
        const QByteArray floor = gitFloorCommand(root.path(), projects);
        const QByteArray status = "'" + binary + "' status >/dev/null";
        const QList<QByteArray> environment{
            "XDG_DATA_HOME=" + (root.path() + QStringLiteral("/data")).toUtf8(),
            "XDG_CONFIG_HOME=" + (root.path() + QStringLiteral("/config")).toUtf8(),
            "NETLIFY_AUTH_TOKEN=",
            "VERCEL_TOKEN=",
            "GH_TOKEN=",
            "GITHUB_TOKEN="};

        QList<double> floorTimes, statusTimes;
        double peak = 0;
        timed(floor, environment); // warm the page cache for both
        for (int i = 0; i < runs; ++i) {
            floorTimes.append(timed(floor, environment).ms);
            const Measure measured = timed(status, environment);
            statusTimes.append(measured.ms);
            peak = std::max(peak, measured.peakMB);
        }
        const double floorMs = median(floorTimes);
        const double statusMs = median(statusTimes);
        std::printf(
            "N=%3d  floor %8.1f ms  quaylin status %8.1f ms  ratio %.2f  peak RSS %.1f MB\n", count,
            floorMs, statusMs, statusMs / floorMs, peak);
    }
    return 0;
}
