// SPDX-License-Identifier: MIT
#pragma once

#include "app/statuscolor.h"

#include <QWidget>

// A project's git, deployment or GitHub state: a 13 px symbol in the status colour beside a small
// tertiary title over a one-line detail, in a rounded box outlined in the status colour. Its
// accessible name is the title and the detail; its tooltip the detail, which may be elided.
class StatusChip final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusChip)

public:
    explicit StatusChip(const QString &symbol = {}, const QString &title = {},
                        StatusColor status = StatusColor::Gray, const QString &detail = {},
                        QWidget *parent = nullptr);

    void setSymbol(const QString &symbol);
    QString title() const { return m_title; }
    void setTitle(const QString &title);
    StatusColor status() const { return m_status; }
    void setStatus(StatusColor status);
    QString detail() const { return m_detail; }
    void setDetail(const QString &detail);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void textChanged();

    QString m_symbol;
    QString m_title;
    StatusColor m_status;
    QString m_detail;
};
