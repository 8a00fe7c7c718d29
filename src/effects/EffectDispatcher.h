#pragma once

#include "platform/DialogOwner.h"

#include <QHash>
#include <QString>

#include <functional>

// What a choice in the effects list does: refuse a page that carries a script
// already, else record the effect in EffectKind and open its settings dialog
// (or show the notes, or apply the clock at once).
class EffectDispatcher
{
public:
    using DialogOpener = std::function<void(const DialogOwner &owner)>;

    static const QString SecondScriptRefusal; // "既にVbscriptコードが記述されています。"
    static const QString NotesFileName;       // "\attension.txt"

    explicit EffectDispatcher(const DialogOwner &owner) : m_owner(owner) {}

    // The dialog an effect code opens, shown modally with the main window as owner.
    void registerDialog(qint16 code, DialogOpener opener);

    void Combo2_Click(const QString &chosenText);
    void ShowEffectNotes();

private:
    void CheckScriptThenOpen(qint16 code);
    void refuseUnreadablePage();
    void openDialog(qint16 code);

    DialogOwner m_owner;
    QHash<qint16, DialogOpener> m_dialogs;
    QString m_Text1; // the page text searched for the script marker
    QString m_Text6; // the second copy, for the two reveal transitions
};
