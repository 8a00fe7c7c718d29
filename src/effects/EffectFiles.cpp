#include "EffectFiles.h"

#include "EffectTemplate.h"
#include "platform/CommonDialog.h"
#include "platform/AppContext.h"
#include "platform/MessageBoxes.h"

#include <QLineEdit>

const QString EffectFiles::PictureFilter =
    QStringLiteral("GIFファイル(*.gif)|*.gif|JPGファイル(*.jpg)|*.jpg|全てのファイル(*.*)|*.*");
const QString EffectFiles::PageFilter = QStringLiteral("HTMファイル(*.htm)|*.htm|HTMLファイル(*.html)|*.html");

void EffectFiles::choose(CommonDialog *dialog, const QString &filter, QLineEdit *box)
{
    dialog->Filter = filter;
    if (dialog->ShowOpen())
        box->setText(dialog->FileName);
}

std::optional<QString> EffectFiles::loadTemplate(AppContext &app, const QString &name)
{
    const QString path = app.folder.file(name);
    QString text;
    QString error;
    if (!EffectTemplate::read(path, &text, &error)) {
        app.boxes.say(QStringLiteral("スクリプトのテンプレートを読み込めません: %1: %2").arg(path, error));
        return std::nullopt;
    }
    return text;
}
