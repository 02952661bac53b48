// SPDX-License-Identifier: MIT
// The desktop screens on the offscreen platform with 200 projects in 10 folders and 2,000
// cards: prints each figure with its target, then all of them as one JSON line. Every
// measurement is one function; add a screen's figures by adding its functions below.
#include "uibench.h"

#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UiBench bench;
    if (!bench.ok())
        return 1;

    const UiMeasurement measurements[] = {
        &MainFigures::overviewShow,   &MainFigures::runtimeChange,    &MainFigures::languageSwitch,
        &MainFigures::editMainThread, &MainFigures::refreshStalls,    &BoardFigures::boardOpen,
        &BoardFigures::cardChange,    &BoardFigures::searchKeystroke, &BoardFigures::drop,
        &BoardFigures::sheetOpen,     &BoardFigures::archiveOpen,     &CardFigures::bigChecklist,
        &CardFigures::bigNote,        &CardFigures::sheetCycles,
    };
    QJsonObject figures;
    for (UiMeasurement measure : measurements) {
        for (const UiFigure &figure : measure(bench)) {
            std::printf("%s: %.2f (target <= %.0f)\n", qPrintable(figure.key), figure.value,
                        figure.target);
            figures.insert(figure.key, qRound(figure.value * 100) / 100.0);
        }
    }
    std::printf("%s\n", QJsonDocument(figures).toJson(QJsonDocument::Compact).constData());
    return 0;
}
