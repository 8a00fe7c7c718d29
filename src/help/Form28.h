#pragma once

#include <QWidget>

struct AppContext;
class MessageBoxes;
class QLabel;
class QLineEdit;
class QPushButton;
class WebBrowser;

// A small web viewer: an address box, Jump, and the page.
class Form28 : public QWidget
{
    Q_OBJECT
public:
    static const QString DefaultAddress;
    static const QString ClosingReminder;
    static constexpr int MinimumWidth = 1200;  // twips
    static constexpr int MinimumHeight = 1650; // twips

    Form28(AppContext &app, QWidget *owner);

    void Command1_Click();
    WebBrowser *browser() const { return m_WebBrowser1; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    MessageBoxes &m_boxes;
    QLineEdit *m_Text1;
    QPushButton *m_Command1;
    WebBrowser *m_WebBrowser1;
    QLabel *m_Label1;
    QLabel *m_Label2;
};
