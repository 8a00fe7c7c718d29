#pragma once

#include <QString>

#include <functional>

struct AppContext;
class DhtmlEdit;
class QPushButton;
class QWidget;

// The XML sample button: one of the two sample pages of the program folder,
// shown with its scripts running.
class XmlSample
{
public:
    static const QString MapPage;     // "\map.htm"
    static const QString AddressPage; // "\address.htm"
    // nameRunMode: gives the mode indicator the text of the run mode the surface enters next.
    XmlSample(AppContext &app, QWidget *window, DhtmlEdit *surface, QPushButton *button,
              std::function<void(const QString &)> nameRunMode)
        : m_app(app), m_window(window), m_surface(surface), m_button(button), m_nameRunMode(std::move(nameRunMode))
    {
    }

    void Command1_Click();

private:
    bool load(const QString &path);
    // The surface runs the sample, the indicator showing text.
    void run(const QString &text);

    AppContext &m_app;
    QWidget *m_window;
    DhtmlEdit *m_surface;
    QPushButton *m_button;
    std::function<void(const QString &)> m_nameRunMode;
};
