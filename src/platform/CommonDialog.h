#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>

#include <optional>

class QWidget;

// The user's side of the file, colour and font dialogs; tests install scripted answers.
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

    static DialogPicker &current();
    // Installs replacement (not owned); nullptr restores the real dialogs.
    static void install(DialogPicker *replacement);
};

// One shared dialog object per owner. Its file name persists between uses,
// whichever dialog chose it; colours are numbers 0x00BBGGRR.
class CommonDialog : public QObject
{
    Q_OBJECT
public:
    explicit CommonDialog(const QString &name, QWidget *owner);

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
};
