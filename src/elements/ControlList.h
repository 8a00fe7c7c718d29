#pragma once

#include "platform/DialogOwner.h"

#include <QString>
#include <QStringList>

#include <functional>

// The form-control list: a fixed snippet inserted at once, or the settings
// dialog of a simple element opened modally.
class ControlList
{
public:
    static const QStringList &entries();

    // buttonDialog: what "ボタン" opens, the button-event dialog of the effects.
    ControlList(const DialogOwner &owner, std::function<void()> buttonDialog)
        : m_owner(owner), m_buttonDialog(std::move(buttonDialog))
    {
    }
    void Combo1_Click(const QString &chosenText);

private:
    void insert(const QString &snippet);
    DialogOwner m_owner;
    std::function<void()> m_buttonDialog;
};
