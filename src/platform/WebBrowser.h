#pragma once

#include <QWidget>

class PageEnvironment;
class QWebEngineView;

// A plain page viewer: the palette of the colour dialogs and the home-page viewer.
class WebBrowser : public QWidget
{
    Q_OBJECT
public:
    WebBrowser(PageEnvironment &environment, const QString &name, QWidget *parent = nullptr);

    // A file path or an address; a bare host name gets http://. A file that
    // cannot be read is told in the pane, with its path and why.
    void Navigate(const QString &target);
    QWebEngineView *view() const { return m_view; }
    PageEnvironment &environment() const { return m_environment; }

    int Width() const;
    int Height() const;
    void setWidth(int twips);
    void setHeight(int twips);

    static QUrl urlFor(const QString &target);

    // Room for several rows of a palette's colour names under its heading.
    QSize sizeHint() const override { return {360, 240}; }
    QSize minimumSizeHint() const override { return {120, 120}; }

private:
    void showNote(const QString &headline, const QString &detail);

    PageEnvironment &m_environment;
    QWebEngineView *m_view;
};
