// SPDX-License-Identifier: MIT
#include "ui/components/languagechange.h"

#include <QEvent>
#include <QWidget>

namespace {

class Follower final : public QObject {
    Q_DISABLE_COPY_MOVE(Follower)

public:
    Follower(QWidget &widget, std::function<void()> retranslate)
        : QObject(&widget)
        , m_retranslate(std::move(retranslate))
    {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            m_retranslate();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_retranslate;
};

} // namespace

namespace LanguageChange {

void follow(QWidget &widget, std::function<void()> retranslate)
{
    retranslate();
    new Follower(widget, std::move(retranslate));
}

} // namespace LanguageChange
