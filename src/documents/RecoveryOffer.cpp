#include "RecoveryOffer.h"

#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"
#include "platform/MessageBoxes.h"
#include "platform/RecoveryStore.h"
#include "platform/StateFolder.h"

#include <QLocale>

#include <algorithm>
#include <memory>
#include <vector>

const QString RecoveryOffer::Question = QStringLiteral("保存されていないページがあります。復元しますか？");

namespace {

struct Candidate
{
    StateFolder::EndedRun *run;
    QString kind;
    RecoveryStore::Entry entry;
};

QString describe(const RecoveryStore::Entry &entry)
{
    const QString where = entry.origin.isEmpty() ? QStringLiteral("（新しいページ）") : entry.origin;
    const QString when = QLocale(QLocale::Japanese).toString(entry.takenAt.toLocalTime(), QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    return RecoveryOffer::Question + QStringLiteral("\n\nページ: %1\n最後に控えた日時: %2\n\n「いいえ」を選ぶと、このページは破棄されます。")
                                         .arg(where, when);
}

} // namespace

void RecoveryOffer::offer()
{
    const std::vector<std::unique_ptr<StateFolder::EndedRun>> runs = m_folder.takeEndedRuns();
    std::vector<Candidate> candidates;
    for (const auto &run : runs) {
        for (const QString &kind : run->kinds()) {
            if (!RecoveryStore::isPageKind(kind))
                continue;
            const std::optional<RecoveryStore::Entry> entry = RecoveryStore::read(run->file(kind));
            if (entry)
                candidates.push_back({run.get(), kind, *entry});
        }
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate &a, const Candidate &b) { return a.entry.takenAt > b.entry.takenAt; });
    for (const Candidate &candidate : candidates) {
        const MessageBoxes::Answer answer =
            m_boxes.question(describe(candidate.entry), MessageBoxes::Buttons::YesNo, QStringLiteral("確認"),
                                   MessageBoxes::Icon::Question);
        if (answer != MessageBoxes::Answer::Yes) {
            candidate.run->remove(candidate.kind);
            continue;
        }
        if (!m_surface->showRecovered(candidate.entry.text, candidate.entry.origin)) {
            // Kept: the next start asks again.
            m_boxes.say(QStringLiteral("ページを復元できませんでした。次に起動したときにもう一度確認します。\n%1").arg(m_surface->lastError()),
                              MessageBoxes::DefaultTitle, MessageBoxes::Icon::Warning);
            return;
        }
        // The page is this run's unsaved page now, kept by this run.
        candidate.run->remove(candidate.kind);
        if (!candidate.entry.origin.isEmpty())
            m_saveDialog->FileName = candidate.entry.origin;
        return;
    }
}
