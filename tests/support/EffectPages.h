#pragma once

#include "TestSupport.h"

#include "platform/DhtmlEdit.h"
#include "shell/Form1.h"

#include <QComboBox>
#include <QLineEdit>

// Whether the main window shows run mode: the surface running, the indicator
// saying so and the two lists off.
namespace EffectPages {

inline bool inRunMode(Form1 &form)
{
    return form.surface()->BrowseMode()
           && form.findChild<QLineEdit *>(QStringLiteral("Text4"))->text() == QStringLiteral("実行モード")
           && !form.findChild<QComboBox *>(QStringLiteral("Combo1"))->isEnabled()
           && !form.findChild<QComboBox *>(QStringLiteral("Combo2"))->isEnabled();
}

} // namespace EffectPages
