#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>

#include <optional>

class QWidget;

// The user's side of the file, colour and font dialogs; tests script it.
class DialogPicker
{
public:
    virtual ~DialogPicker() = default;
    virtual std::optional<QString> saveFileName(QWidget *owner, const QString &qtFilter, const QString &current) = 0;
    virtual std::optional<QString> openFileName(QWidget *owner, const QString &qtFilter, const QString &current) = 0;
    // An existing folder (or one the user makes in the dialog).
    virtual std::optional<QString> folder(QWidget *owner, const QString &title, const QString &current) = 0;
    virtual std::optional<QColor> color(QWidget *owner, const QColor &current) = 0;
    virtual std::optional<QFont> font(QWidget *owner, const QFont &current) = 0;
};

// QFileDialog, QColorDialog and QFontDialog.
class StandardDialogPicker : public DialogPicker
{
public:
    std::optional<QString> saveFileName(QWidget *owner, const QString &qtFilter, const QString &current) override;
    std::optional<QString> openFileName(QWidget *owner, const QString &qtFilter, const QString &current) override;
    std::optional<QString> folder(QWidget *owner, const QString &title, const QString &current) override;
    std::optional<QColor> color(QWidget *owner, const QColor &current) override;
    std::optional<QFont> font(QWidget *owner, const QFont &current) override;
};

// One shared dialog object per owner. Its file name persists between uses,
// whichever dialog chose it; colours are numbers 0x00BBGGRR.
class CommonDialog : public QObject
{
    Q_OBJECT
public:
    CommonDialog(const QString &name, QWidget *owner, DialogPicker &picker);

    QString Filter;     // "description|pattern|description|pattern"
    int Flags = 0;
    QString FileName;
    int Color = 0;
    QString FontName;
    double FontSize = 0;
    bool FontBold = false;
    bool FontItalic = false;

    // Each returns false when the user cancelled; the properties then stay as they were.
    bool ShowSave();
    bool ShowOpen();
    bool ShowColor();
    bool ShowFont();

    static QString toQtFilter(const QString &filter);
    static int toVbColor(const QColor &color);
    static QColor fromVbColor(int color);

private:
    QWidget *m_owner;
    DialogPicker &m_picker;
};
