// SPDX-License-Identifier: MIT
#pragma once

#include "model/projectconfig.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What the benchmarks share: generated repositories, the git floor they are measured
// against, and timing of child processes.
namespace BenchSupport {

// `count` repositories with one commit, one modified and one untracked file each.
QList<ProjectConfig> makeRepositories(const QString &root, int count);

// Writes a data file holding `projects` into `<root>/data/Quaylin`.
bool writeDataFile(const QString &root, const QList<ProjectConfig> &projects);

// The shell command that runs four git commands per repository (symbolic-ref, status,
// rev-list, log) with `xargs -P $(nproc)`: the reference every status figure is measured
// against, unchanged so figures stay comparable.
QByteArray gitFloorCommand(const QString &root, const QList<ProjectConfig> &projects);

struct Measure {
    double ms = 0;
    double peakMB = 0; // of the child and the descendants it waited for
};
// Runs a shell command with extra environment assignments; wall time and peak memory.
Measure timed(const QByteArray &command, const QList<QByteArray> &environment = {});

double median(QList<double> values);

} // namespace BenchSupport
