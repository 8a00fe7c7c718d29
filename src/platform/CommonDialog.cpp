#include "CommonDialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QStringList>

std::optional<QString> StandardDialogPicker::saveFileName(QWidget *owner, const QString &filter, const QString &current)
{
    const QString name = QFileDialog::getSaveFileName(owner, QString(), current, filter, nullptr, QFileDialog::DontConfirmOverwrite);
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<QString> StandardDialogPicker::openFileName(QWidget *owner, const QString &filter, const QString &current)
{
    const QString name = QFileDialog::getOpenFileName(owner, QString(), current, filter);
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<QString> StandardDialogPicker::folder(QWidget *owner, const QString &title, const QString &current)
{
    const QString name = QFileDialog::getExistingDirectory(owner, title, current);
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<QColor> StandardDialogPicker::color(QWidget *owner, const QColor &current)
{
    const QColor c = QColorDialog::getColor(current, owner);
    return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
}

std::optional<QFont> StandardDialogPicker::font(QWidget *owner, const QFont &current)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, current, owner);
    return ok ? std::optional<QFont>(f) : std::nullopt;
}

CommonDialog::CommonDialog(const QString &name, QWidget *owner, DialogPicker &picker)
    : QObject(owner), m_owner(owner), m_picker(picker)
{
    setObjectName(name);
}

QString CommonDialog::toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // A description that already ends in its patterns, as "HTMファイル(*.htm)", is shown as it is:
        // the file dialog takes the patterns from the last parentheses.
        if (parts[i].trimmed().endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
            entries << parts[i].trimmed();
        else
            entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

int CommonDialog::toVbColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QColor CommonDialog::fromVbColor(int color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

bool CommonDialog::ShowSave()
{
    const std::optional<QString> name = m_picker.saveFileName(m_owner, toQtFilter(Filter), FileName);
    if (!name)
        return false;
    FileName = *name;
    return true;
}

bool CommonDialog::ShowOpen()
{
    const std::optional<QString> name = m_picker.openFileName(m_owner, toQtFilter(Filter), FileName);
    if (!name)
        return false;
    FileName = *name;
    return true;
}

bool CommonDialog::ShowColor()
{
    const std::optional<QColor> c = m_picker.color(m_owner, fromVbColor(Color));
    if (!c)
        return false;
    Color = toVbColor(*c);
    return true;
}

bool CommonDialog::ShowFont()
{
    QFont currentFont(FontName);
    if (FontSize > 0)
        currentFont.setPointSizeF(FontSize);
    currentFont.setBold(FontBold);
    currentFont.setItalic(FontItalic);
    const std::optional<QFont> f = m_picker.font(m_owner, currentFont);
    if (!f)
        return false;
    FontName = f->family();
    FontSize = f->pointSizeF();
    FontBold = f->bold();
    FontItalic = f->italic();
    // With effects asked for (0x100) the colour is part of the choice; the font picker has none.
    if (Flags & 0x100) {
        const std::optional<QColor> c = m_picker.color(m_owner, fromVbColor(Color));
        if (c)
            Color = toVbColor(*c);
    }
    return true;
}
