// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Asks the user for a file or folder. Each question is window-modal over `parent` and answers
// later: `chosen` is called with the path only when the user confirms, never on cancel, and not
// at all when `parent` is gone first. Titles come translated from the caller.
class FileChooser {
public:
    using Chosen = std::function<void(const QString &path)>;

    virtual ~FileChooser() = default;
    // Where to save a JSON file; `fileName` is proposed.
    virtual void saveJsonFile(QWidget *parent, const QString &title, const QString &fileName,
                              Chosen chosen) = 0;
    // An existing JSON file to read.
    virtual void openJsonFile(QWidget *parent, const QString &title, Chosen chosen) = 0;
    // A folder; `prompt` names the confirming button.
    virtual void chooseFolder(QWidget *parent, const QString &prompt, Chosen chosen) = 0;
};

// QFileDialog, limited to *.json for files.
class SystemFileChooser final : public FileChooser {
public:
    void saveJsonFile(QWidget *parent, const QString &title, const QString &fileName,
                      Chosen chosen) override;
    void openJsonFile(QWidget *parent, const QString &title, Chosen chosen) override;
    void chooseFolder(QWidget *parent, const QString &prompt, Chosen chosen) override;
};
