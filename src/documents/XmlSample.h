#pragma once

#include <QColor>
#include <QString>

class DhtmlEdit;
class QLineEdit;
class QPushButton;
class QWidget;

// The XML sample button: one of the two sample pages of the program folder,
// shown with its scripts running.
class XmlSample
{
public:
    static const QString MapPage;     // "\map.htm"
    static const QString AddressPage; // "\address.htm"
    // The sample button's own colour, given to the mode indicator.
    static const QColor ButtonColor;

    XmlSample(QWidget *window, DhtmlEdit *surface, QLineEdit *modeIndicator, QPushButton *button)
        : m_window(window), m_surface(surface), m_modeIndicator(modeIndicator), m_button(button)
    {
    }

    void Command1_Click();

private:
    bool load(const QString &path);
    void showIndicator(const QString &text);

    QWidget *m_window;
    DhtmlEdit *m_surface;
    QLineEdit *m_modeIndicator;
    QPushButton *m_button;
};
