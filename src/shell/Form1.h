#pragma once

#include "platform/DialogOwner.h"
#include "platform/MainOperations.h"

#include <QMainWindow>

#include <memory>

struct AppContext;
class BrowserPreview;
class CommonDialog;
class ControlList;
class EffectDispatcher;
class ScriptStep;
class Form3;
class HelpMenu;
class MenuBar;
class NewPageCommand;
class PageOpener;
class PageSaver;
class ProgramExit;
class EditorEvents;
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
class StatusLine;

// The main window: the editing surface under the two drop-down lists, the mode
// indicator and the XML sample button. Dialogs reach the page only through its
// public operations.
class Form1 : public QMainWindow, public MainOperations
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

    explicit Form1(AppContext &app, QWidget *parent = nullptr);
    ~Form1() override;

    void mivo_go() override;
    void goscript() override;
    // Only the script step (the hidden button Command5).
    void harituke() override;
    void Command5_Click();
    void creat_hyou() override;

    // Run mode and back (the hidden buttons Command3 and Command4), and the menu's two items for them.
    void Command3_Click();
    void Command4_Click();
    void go_browse_Click();
    void go_hennsyuu_Click();

    // The form-control list and the effects list.
    void Combo1_Click();
    void Combo1_LostFocus();
    void Combo2_Click();
    void Combo2_LostFocus();
    EffectDispatcher &effects() { return *m_effects; }

    // The text Text4 shows for the run mode the surface enters next (the XML
    // sample names its own); an empty text restores "実行モード".
    void nameRunMode(const QString &text);
    // While a positioned object is selected the two lists take no new element.
    void holdListsForPosition(bool held);
    // File menu and the XML sample button.
    void SavePage();
    void NewPage();
    void openFileScreen();
    // A page named on the command line or dropped on the window: opened as
    // the file screen opens one, after the same question. False when it was not.
    bool openPageFromOutside(const QString &path);
    // Files dropped on the window: one page opens, more are refused.
    void openDroppedFiles(const QStringList &paths);
    void PreviewInBrowser();
    void ExportForTodaysBrowsers();
    void FinishProgram();
    void Command1_Click();

    DhtmlEdit *surface() const { return m_DHTMLEdit1; }
    // What the dialogs this window opens are given.
    DialogOwner dialogOwner();
    MenuBar &menus() { return *m_menus; }
    EditorEvents &editorEvents() { return *m_editorEvents; }
    QComboBox *combo(int n) const { return n == 1 ? m_Combo1 : n == 2 ? m_Combo2 : nullptr; }
    CommonDialog *commonDialog() const { return m_CommonDialog1; }
    TextBuffer *richTextBox(int n) const;
    SnippetInserter &snippets() { return *m_snippets; }

    // The page's source in the source window, modal; returns when it closes.
    void ShowSource();
    Form3 *sourceWindow();
    HelpMenu &help() { return *m_help; }
    StatusLine &statusLine() { return *m_statusLine; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The unload handler: it may keep the window open.
    void closeEvent(QCloseEvent *event) override;
    // Files dropped anywhere on the window (the surface has its own).
    bool event(QEvent *event) override;

private:
    // The mode's look, after the surface's mode, the run mode's name and the held lists.
    void showMode();
    void onBrowseModeChanged(bool browse);
    void buildControls();
    void placeTwips(QWidget *widget, int left, int top, int width, int height);
    void fitTopRow();
    void onLoad();
    void fillLists();
    void applyResizeRule();
    void connectDocumentCommands();
    void keepRecoveryCopy();

    AppContext &m_app;
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
    std::unique_ptr<PageOpener> m_opener;
    std::unique_ptr<BrowserPreview> m_preview;
    std::unique_ptr<ModernExportCommand> m_modernExport;
    std::unique_ptr<XmlSample> m_xmlSample;
    std::unique_ptr<ProgramExit> m_exit;
    std::unique_ptr<MenuCommands> m_menuCommands;
    std::unique_ptr<EditorEvents> m_editorEvents;
    Form3 *m_Form3 = nullptr; // made on first use, kept between showings
    std::unique_ptr<HelpMenu> m_help;
    std::unique_ptr<RecoveryStore> m_recoveryStore;
    QString m_runModeText;
    bool m_listsHeld = false;
    StatusLine *m_statusLine = nullptr;
    bool m_resizing = false;
    int m_topRowRight = 0; // pixels, in the client area
    bool m_recoveryWarned = false;
};
