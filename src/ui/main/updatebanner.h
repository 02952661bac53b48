// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class Banner;
class ProminentButton;
class QPushButton;
struct UiContext;

// Announces a newer published version: skip it, or download it in the browser. Visible only
// while the update checker says an update is available.
class UpdateBanner final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdateBanner)

public:
    explicit UpdateBanner(UiContext &context, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void refresh();

    UiContext &m_context;
    Banner *m_banner;
    QPushButton *m_skip;
    ProminentButton *m_download;
};
