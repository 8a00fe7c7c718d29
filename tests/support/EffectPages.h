#pragma once

#include "TestSupport.h"

#include "platform/DhtmlEdit.h"
#include "platform/PageEncoding.h"
#include "shell/Form1.h"

#include <QComboBox>
#include <QLineEdit>

// What the effect tests look at: the page's body as the program reads it,
// the templates as installed, and the main window's mode.
namespace EffectPages {

inline QString body(DhtmlEdit *surface)
{
    const QString html = surface->DocumentHTML();
    const qsizetype start = html.indexOf(QStringLiteral("<BODY>")) + 6;
    return html.mid(start, html.lastIndexOf(QStringLiteral("</BODY>")) - start);
}

inline bool load(Form1 &form, const TestApp &app, const QByteArray &page)
{
    TestSupport::writeBytes(app.file(QStringLiteral("page.htm")), page);
    return form.surface()->LoadDocument(app.file(QStringLiteral("page.htm")));
}

inline QString templateText(const TestApp &app, const QString &name)
{
    return PageEncoding::decode(TestSupport::readBytes(app.file(name)), PageEncoding::Cp932);
}

// The page's text holds line breaks as the surface keeps them: LF.
inline QString asInPage(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

inline bool inRunMode(Form1 &form)
{
    return form.surface()->BrowseMode()
           && form.findChild<QLineEdit *>(QStringLiteral("Text4"))->text() == QStringLiteral("実行モード")
           && !form.findChild<QComboBox *>(QStringLiteral("Combo1"))->isEnabled()
           && !form.findChild<QComboBox *>(QStringLiteral("Combo2"))->isEnabled();
}

} // namespace EffectPages
