#pragma once

#include <QPointer>
#include <QString>

class DhtmlEdit;

// The page's document as the program reaches it through the surface's DOM:
// document.selection.createRange().pasteHTML(text) and document.bgColor.
class TextRange
{
public:
    TextRange() = default;
    TextRange(DhtmlEdit *surface, int id) : m_surface(surface), m_id(id) {}
    bool isValid() const { return m_surface && m_id > 0; }
    // Replaces what the range covers with html, as written.
    bool pasteHTML(const QString &html);
    QString text() const;

private:
    QPointer<DhtmlEdit> m_surface;
    int m_id = 0;
};

class HtmlSelection
{
public:
    explicit HtmlSelection(DhtmlEdit *surface = nullptr) : m_surface(surface) {}
    TextRange createRange();

private:
    QPointer<DhtmlEdit> m_surface;
};

class HtmlDocument
{
public:
    explicit HtmlDocument(DhtmlEdit *surface = nullptr) : m_surface(surface) {}
    bool isValid() const { return m_surface; }
    HtmlSelection selection() const { return HtmlSelection(m_surface); }
    QString bgColor() const;
    bool setBgColor(const QString &color);
    // Every charset declaration of the page names charset, or one is added.
    bool declareCharset(const QString &charset);

private:
    QPointer<DhtmlEdit> m_surface;
};
