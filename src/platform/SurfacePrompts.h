#pragma once

#include <QDialog>
#include <QVariantMap>

#include <functional>

class DialogPicker;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The editing surface's own dialogs for the commands that prompt the user.
// Each is modal over the surface's window and returns its answer as the value
// the command takes, or nothing when cancelled.

class LinkPrompt : public QDialog
{
    Q_OBJECT
public:
    LinkPrompt(const QString &address, QWidget *owner);
    QString address() const;

private:
    QLineEdit *m_address;
    QPushButton *m_ok;
};

class PicturePrompt : public QDialog
{
    Q_OBJECT
public:
    PicturePrompt(const QString &source, const QString &alternative, DialogPicker &picker, QWidget *owner);
    QVariantMap value() const;
    static const QString PickerFilter;

private:
    void browse();
    DialogPicker &m_picker;
    QLineEdit *m_source;
    QLineEdit *m_alternative;
    QPushButton *m_ok;
};

class FontPrompt : public QDialog
{
    Q_OBJECT
public:
    FontPrompt(const QVariantMap &current, DialogPicker &picker, QWidget *owner);
    QVariantMap value() const;

private:
    void chooseColor();
    void showColor();
    DialogPicker &m_picker;
    QComboBox *m_face;
    QComboBox *m_size;
    QPushButton *m_color;
    QLabel *m_swatch;
    QCheckBox *m_bold;
    QCheckBox *m_italic;
    QCheckBox *m_underline;
    int m_colorValue = -1; // 0x00BBGGRR, -1 while unchanged
};

// Stays open for the next search until closed.
class FindPrompt : public QDialog
{
    Q_OBJECT
public:
    using Search = std::function<bool(const QVariantMap &request)>;
    FindPrompt(const QString &text, Search search, QWidget *owner);

private:
    void findNext();
    QLineEdit *m_text;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
    QRadioButton *m_up;
    QRadioButton *m_down;
    QPushButton *m_next;
    Search m_search;
};
