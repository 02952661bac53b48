// SPDX-License-Identifier: MIT
#include "ui/components/accessiblebutton.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace {

constexpr char marker[] = "quaylinClickOnAccessibleAction";

class ClickingButton final : public QAccessibleWidget {
public:
    explicit ClickingButton(QAbstractButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    // As Qt's own buttons say it, read when asked: checkable may be set after the first query.
    QAccessible::Role role() const override
    {
        if (button()->autoExclusive())
            return QAccessible::RadioButton;
        return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = button()->text();
        return text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (button()->isEnabled())
            names << (button()->isCheckable() ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if ((action == toggleAction() || action == pressAction()) && button()->isEnabled())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }
};

QAccessibleInterface *clickingButton(const QString &key, QObject *object)
{
    auto *button = qobject_cast<QAbstractButton *>(object);
    // Asked once per class up the chain: answer for the button's own class only.
    if (!button || !button->property(marker).toBool() ||
        key != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new ClickingButton(button);
}

} // namespace

namespace AccessibleButton {

void clickOnEveryAction(QAbstractButton &button)
{
    static const bool installed = [] {
        QAccessible::installFactory(clickingButton);
        return true;
    }();
    Q_UNUSED(installed)
    button.setProperty(marker, true);
}

} // namespace AccessibleButton
