// SPDX-License-Identifier: MIT
#pragma once

#include "model/projectstatus.h"

#include <QScrollArea>
#include <QUuid>

#include <optional>

class AttentionSection;
class NoMatchView;
class OverviewHeader;
class OverviewModel;
class ProjectGrid;
class RateLimitNotice;
class StatsRow;
class TokenBanner;
class UpdateBanner;
class WelcomeView;
struct UiContext;

// All projects at a glance, in one scrolling column: header, update banner, figures, token
// banner, GitHub's rate-limit notice, attention section, and then exactly one of the welcome screen
// (no projects), the no-match note (none has the chosen status) or the grid of project cards.
class OverviewView final : public QScrollArea {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OverviewView)

public:
    explicit OverviewView(UiContext &context, QWidget *parent = nullptr);
    ~OverviewView() override;

    void setStatusFilter(const std::optional<ProjectStatus> &filter);
    OverviewModel *model() const { return m_model; }
    ProjectGrid *grid() const { return m_grid; }

Q_SIGNALS:
    void projectActivated(const QUuid &projectID);
    void addProjectRequested();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void retranslate();
    void updateContent();
    void fitColumn();

    UiContext &m_context;
    OverviewModel *m_model;
    OverviewHeader *m_header;
    UpdateBanner *m_update;
    StatsRow *m_stats;
    TokenBanner *m_token;
    RateLimitNotice *m_rateLimit;
    AttentionSection *m_attention;
    WelcomeView *m_welcome;
    NoMatchView *m_noMatch;
    ProjectGrid *m_grid;
    QWidget *m_column;
};
