// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

struct UiContext;

// The content of the main window: the sidebar of folders and projects beside the detail area,
// which shows the overview or the selected project.
class MainView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainView)

public:
    explicit MainView(UiContext &context, QWidget *parent = nullptr);
    ~MainView() override;

private:
    UiContext &m_context;
};
