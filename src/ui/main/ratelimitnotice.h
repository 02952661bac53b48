// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class Banner;
struct UiContext;

// Says once, in the overview, that GitHub's rate limit is spent and until when nothing is asked
// there; visible only while it is.
class RateLimitNotice final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RateLimitNotice)

public:
    explicit RateLimitNotice(UiContext &context, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh();

    UiContext &m_context;
    Banner *m_banner;
};
