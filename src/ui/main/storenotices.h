// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class Banner;
class IconButton;
struct UiContext;

// What the main window says about the data file: that changes could not be saved (where, and
// why) until a save succeeds again, and, after a start with an unreadable data file, where
// that file was kept (until the user closes the note).
class StoreNotices final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StoreNotices)

public:
    explicit StoreNotices(UiContext &context, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void refresh();

    UiContext &m_context;
    Banner *m_saveError;
    Banner *m_setAside;
    IconButton *m_closeSetAside;
    bool m_setAsideClosed = false;
};
