#pragma once

#include <QMainWindow>

#include <memory>

class BrowserPreview;
class CommonDialog;
class ControlList;
class EffectDispatcher;
class ScriptStep;
class Form3;
class HelpMenu;
class MenuBar;
class NewPageCommand;
class PageSaver;
class ProgramExit;
class EditorEvents;
class MenuBar;
class MenuCommands;
class ModernExportCommand;
class DhtmlEdit;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SnippetInserter;
class TextBuffer;
class XmlSample;
class RecoveryStore;

// The main window: the editing surface under the two drop-down lists, the mode
// indicator and the XML sample button. Dialogs reach the page only through its
// public operations.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    static const QString Caption;
    static const QString ControlPrompt;
    static const QString EffectsPrompt;
    static const QString EditModeText;
    static const QString RunModeText;
    // Design measures, in twips.
    static constexpr int DesignClientWidth = 12195;
    static constexpr int DesignClientHeight = 8985;
    static constexpr int MinimumWidth = 12000;
    static constexpr int MinimumHeight = 1600;
    // Room kept right of the top row's last control.
    static constexpr int TopRowMargin = 105;

    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Inserts Module1's SnippetHtml at the caret and rewrites the page.
    void mivo_go();

    // Pastes SnippetHtml, then adds the current effect's script and shows the page running.
    void goscript();
    // Only the script step (the hidden button Command5).
    void harituke();
    void Command5_Click();
    // Inserts the table of Module1's Table variables at the caret.
    void creat_hyou();

    // Run mode and back (the hidden buttons Command3 and Command4).
    void Command3_Click();
    void Command4_Click();

    // The form-control list and the effects list.
    void Combo1_Click();
    void Combo1_LostFocus();
    void Combo2_Click();
    void Combo2_LostFocus();
    EffectDispatcher &effects() { return *m_effects; }

    // Text4 after BrowseMode: the mode's text and background.
    void showMode();
    // File menu and the XML sample button.
    void SavePage();
    void NewPage();
    void openFileScreen();
    void PreviewInBrowser();
    void ExportForTodaysBrowsers();
    void FinishProgram();
    void Command1_Click();

    DhtmlEdit *surface() const { return m_DHTMLEdit1; }
    MenuBar &menus() { return *m_menus; }
    MenuCommands &menuCommands() { return *m_menuCommands; }
    EditorEvents &editorEvents() { return *m_editorEvents; }
    QComboBox *combo(int n) const { return n == 1 ? m_Combo1 : n == 2 ? m_Combo2 : nullptr; }
    CommonDialog *commonDialog() const { return m_CommonDialog1; }
    TextBuffer *richTextBox(int n) const;
    SnippetInserter &snippets() { return *m_snippets; }

    // The page's source in the source window, modal; returns when it closes.
    void ShowSource();
    Form3 *sourceWindow();
    HelpMenu &help() { return *m_help; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The unload handler: it may keep the window open.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void placeTwips(QWidget *widget, int left, int top, int width, int height);
    void fitTopRow();
    void onLoad();
    void fillLists();
    void applyResizeRule();
    void connectDocumentCommands();
    void keepRecoveryCopy();

    QComboBox *m_Combo1 = nullptr;
    QComboBox *m_Combo2 = nullptr;
    QLineEdit *m_Text4 = nullptr;
    QPushButton *m_Command1 = nullptr;
    QLabel *m_Label1 = nullptr;
    DhtmlEdit *m_DHTMLEdit1 = nullptr;
    QPushButton *m_Command3 = nullptr;
    QPushButton *m_Command4 = nullptr;
    QPushButton *m_Command5 = nullptr;
    QLineEdit *m_Text1 = nullptr;
    QLineEdit *m_Text5 = nullptr;
    QLineEdit *m_Text6 = nullptr;
    TextBuffer *m_RichTextBox1 = nullptr;
    TextBuffer *m_RichTextBox2 = nullptr;
    TextBuffer *m_RichTextBox3 = nullptr;
    CommonDialog *m_CommonDialog1 = nullptr;
    std::unique_ptr<SnippetInserter> m_snippets;
    std::unique_ptr<MenuBar> m_menus;
    std::unique_ptr<ScriptStep> m_scriptStep;
    std::unique_ptr<EffectDispatcher> m_effects;
    std::unique_ptr<ControlList> m_controls;
    std::unique_ptr<PageSaver> m_pageSaver;
    std::unique_ptr<NewPageCommand> m_newPage;
    std::unique_ptr<BrowserPreview> m_preview;
    std::unique_ptr<ModernExportCommand> m_modernExport;
    std::unique_ptr<XmlSample> m_xmlSample;
    std::unique_ptr<ProgramExit> m_exit;
    std::unique_ptr<MenuCommands> m_menuCommands;
    std::unique_ptr<EditorEvents> m_editorEvents;
    Form3 *m_Form3 = nullptr; // made on first use, kept between showings
    std::unique_ptr<HelpMenu> m_help;
    std::unique_ptr<RecoveryStore> m_recoveryStore;
    bool m_resizing = false;
    int m_topRowRight = 0; // pixels, in the client area
    bool m_recoveryWarned = false;
};
