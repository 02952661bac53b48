// SPDX-License-Identifier: MIT
#pragma once

#include "app/deployservice.h"
#include "model/projectconfig.h"
#include "ui/editor/projectform.h"

#include <QDialog>

#include <optional>

class ProminentButton;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class SegmentedControl;
class SymbolLabel;
class TintedButton;
struct UiContext;

// The sheet that adds a project, or edits or removes one. It keeps its own form; the model
// changes only when the user saves or confirms the removal. "Přidat"/"Uložit" stays disabled
// while the name is blank or nothing exists at the typed path.
class ProjectEditor final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProjectEditor)

public:
    // `existing` none: a new project.
    ProjectEditor(UiContext &context, const std::optional<ProjectConfig> &existing,
                  QWidget *parent = nullptr);
    ~ProjectEditor() override;

    std::optional<QUuid> projectID() const;
    ProjectForm form() const;

    void accept() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void validate();
    void chooseFolder();
    void askRemoval();
    QLabel *rowLabel(int row);
    int statusRow() const;

    UiContext &m_context;
    std::optional<ProjectConfig> m_existing;
    QLabel *m_title;
    QGridLayout *m_grid;
    QLineEdit *m_name;
    QLineEdit *m_emoji;
    QLineEdit *m_path;
    QPushButton *m_choose;
    SymbolLabel *m_pathWarning;
    QLineEdit *m_site;
    QLineEdit *m_github;
    // One id field per deploy service, in the table's order.
    QList<DeployService> m_deployServices;
    QList<QLineEdit *> m_deployIDs;
    SegmentedControl *m_status;
    TintedButton *m_remove;
    QPushButton *m_cancel;
    ProminentButton *m_save;
};
