#pragma once

#include <QList>
#include <QString>

#include <optional>

// The entries of the effects list: their exact texts, the code each stores in
// EffectKind and what choosing it does.
class EffectCatalogue
{
public:
    enum class Action { ShowNotes, OpenDialog, ApplyClock };
    struct Entry
    {
        QString text;
        qint16 code;
        Action action;
    };

    // A page whose text holds this already carries a script.
    static const QString ScriptMarker; // "<SCRIPT type"

    // In list order, the redirect filter last.
    static const QList<Entry> &entries();
    // The fifteen texts the list is filled with.
    static QStringList listTexts();
    // Exact, case- and width-sensitive comparison of the whole text.
    static std::optional<Entry> find(const QString &text);
    static bool holdsScript(const QString &pageHtml);
};
