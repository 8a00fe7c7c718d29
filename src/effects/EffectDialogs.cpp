#include "EffectDialogs.h"

#include "EffectDispatcher.h"
#include "Form13.h"
#include "Form14.h"
#include "Form15.h"
#include "Form16.h"
#include "Form17.h"
#include "Form21.h"
#include "Form22.h"
#include "Form23.h"
#include "Form24.h"
#include "Form26.h"
#include "Form27.h"
#include "Form6.h"
#include "Form7.h"
#include "platform/DialogOwner.h"
#include "platform/Module1.h"

namespace {
// A fresh dialog at every opening, modal, owned by the main window.
template<typename Dialog>
void showModal(const DialogOwner &owner)
{
    Dialog dialog(owner);
    dialog.exec();
}
} // namespace

void EffectDialogs::registerAll(EffectDispatcher &dispatcher)
{
    dispatcher.registerDialog(Effect::RevealText, showModal<Form6>);
    dispatcher.registerDialog(Effect::RevealImage, showModal<Form7>);
    dispatcher.registerDialog(Effect::BlendFilter, showModal<Form21>);
    dispatcher.registerDialog(Effect::RedirectFilter, showModal<Form22>);
    dispatcher.registerDialog(Effect::ShadowText, showModal<Form13>);
    dispatcher.registerDialog(Effect::WaveText, showModal<Form14>);
    dispatcher.registerDialog(Effect::BurningText, showModal<Form15>);
    dispatcher.registerDialog(Effect::VanishingText, showModal<Form16>);
    dispatcher.registerDialog(Effect::ColorChangeText, showModal<Form17>);
    dispatcher.registerDialog(Effect::Typewriter, showModal<Form23>);
    dispatcher.registerDialog(Effect::MovingImage, showModal<Form24>);
    dispatcher.registerDialog(Effect::DialogBox, showModal<Form26>);
    dispatcher.registerDialog(Effect::FullScreen, showModal<Form27>);
}
