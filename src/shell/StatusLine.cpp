#include "StatusLine.h"

#include "platform/DhtmlEdit.h"
#include "platform/PageEncoding.h"
#include "platform/RecoveryCopy.h"
#include "platform/TextBuffer.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

const QString StatusLine::NewPageText = QStringLiteral("新規ページ（ファイルに保存していません）");
const QString StatusLine::ChangedText = QStringLiteral("変更あり");
const QString StatusLine::UnchangedText = QStringLiteral("変更なし");

namespace {
QLabel *field(const QString &name, const QString &toolTip, QStatusBar *bar, int stretch)
{
    auto *label = new QLabel(bar);
    label->setObjectName(name);
    label->setToolTip(toolTip);
    label->setContentsMargins(6, 0, 6, 0);
    bar->addWidget(label, stretch);
    return label;
}
} // namespace

StatusLine::StatusLine(QStatusBar *bar, DhtmlEdit *surface, QLineEdit *modeIndicator, TextBuffer *pageCopy)
    : QObject(bar), m_surface(surface), m_modeIndicator(modeIndicator), m_pageCopy(pageCopy)
{
    bar->setObjectName(QStringLiteral("statusBar"));
    m_page = field(QStringLiteral("StatusPage"), QStringLiteral("編集中のページのファイル"), bar, 1);
    // A long path gives way to the window's width rather than widening it.
    m_page->setMinimumWidth(1);
    m_changed = field(QStringLiteral("StatusChanged"), QStringLiteral("開いたときまたは保存したときからの変更"), bar, 0);
    m_mode = field(QStringLiteral("StatusMode"), QStringLiteral("編集モードか実行モードか"), bar, 0);
    m_charset = field(QStringLiteral("StatusCharset"), QStringLiteral("保存するときの文字コード"), bar, 0);
    connect(&surface->recovery(), &RecoveryCopy::fileStateChanged, this, &StatusLine::refresh);
    connect(modeIndicator, &QLineEdit::textChanged, this, &StatusLine::refresh);
    refresh();
}

QString StatusLine::charsetName(const QByteArray &charset)
{
    if (charset == PageEncoding::Cp932)
        return QStringLiteral("Shift_JIS");
    return QString::fromLatin1(charset).toUpper();
}

void StatusLine::refresh()
{
    const RecoveryCopy &copy = m_surface->recovery();
    m_page->setText(copy.origin().isEmpty() ? NewPageText : QDir::toNativeSeparators(copy.origin()));
    m_changed->setText(copy.isModified() ? ChangedText : UnchangedText);
    m_mode->setText(m_modeIndicator->text());
    m_charset->setText(QStringLiteral("保存時の文字コード: %1").arg(charsetName(PageEncoding::charsetForText(m_pageCopy->text()))));
}
