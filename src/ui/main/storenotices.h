// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class Banner;
class IconButton;
class QPushButton;
struct UiContext;

// What the main window says about the data file: that changes could not be saved (where, and
// why) until a save succeeds again; after a start with an unreadable data file, where that file
// was kept; and where another program's version of the data file was kept when ours was saved
// in its place (each until the user closes the note). Changes an earlier run could not save
// when it was ended are offered for restoring.
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
    Banner *m_otherVersion;
    IconButton *m_closeOtherVersion;
    bool m_otherVersionClosed = false;
    Banner *m_unsavedCopy;
    QPushButton *m_restoreCopy;
    IconButton *m_closeUnsavedCopy;
    QString m_unsavedCopyPath; // the newest copy left by an earlier run; empty once dealt with
};
