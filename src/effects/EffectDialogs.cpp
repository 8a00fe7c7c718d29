#include "EffectDialogs.h"

#include "EffectDispatcher.h"
#include "Form13.h"
#include "Form14.h"
#include "Form15.h"
#include "Form16.h"
#include "Form17.h"
#include "shell/Module1.h"

namespace {
// A fresh dialog at every opening, modal, owned by the main window.
template<typename Dialog>
void showModal(Form1 *owner)
{
    Dialog dialog(owner);
    dialog.exec();
}
} // namespace

void EffectDialogs::registerAll(EffectDispatcher &dispatcher)
{
    dispatcher.registerDialog(Effect::ShadowText, showModal<Form13>);
    dispatcher.registerDialog(Effect::WaveText, showModal<Form14>);
    dispatcher.registerDialog(Effect::BurningText, showModal<Form15>);
    dispatcher.registerDialog(Effect::VanishingText, showModal<Form16>);
    dispatcher.registerDialog(Effect::ColorChangeText, showModal<Form17>);
}
