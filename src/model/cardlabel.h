// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QUuid>

struct CardLabel {
    QUuid id;
    QString name;
    QString colorName;

    // The colour to draw with (see ColorNames::resolved).
    QString resolvedColorName() const;

    // Six fresh labels, names in the interface language current now.
    static QList<CardLabel> defaults();

    friend bool operator==(const CardLabel &, const CardLabel &) = default;
};
