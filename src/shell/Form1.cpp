#include "Form1.h"

#include "EditorEvents.h"
#include "StatusLine.h"
#include "commands/MenuBar.h"
#include "commands/MenuCommands.h"
#include "commands/TableCreation.h"
#include "documents/BrowserPreview.h"
#include "documents/Form25.h"
#include "documents/ModernExportCommand.h"
#include "documents/NewPageCommand.h"
#include "documents/PageOpener.h"
#include "documents/PageSaver.h"
#include "documents/PageText.h"
#include "documents/ProgramExit.h"
#include "documents/XmlSample.h"
#include "effects/EffectCatalogue.h"
#include "effects/EffectDialogs.h"
#include "effects/EffectDispatcher.h"
#include "effects/Form10.h"
#include "effects/ScriptStep.h"
#include "elements/ControlList.h"
#include "elements/FocusLossWatcher.h"
#include "elements/SnippetInserter.h"
#include "help/HelpMenu.h"
#include "platform/AppContext.h"
#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"
#include "platform/DroppedFiles.h"
#include "platform/FieldWidth.h"
#include "platform/MessageBoxes.h"
#include "platform/RecoveryCopy.h"
#include "platform/RecoveryStore.h"
#include "platform/StateFolder.h"
#include "platform/TextBuffer.h"
#include "platform/SurfaceView.h"
#include "platform/Twips.h"
#include "source/Form3.h"
#include "source/SourceEdit.h"
#include "platform/WrappingMenuBar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>
#include <QScreen>

const QString Form1::Caption = QStringLiteral("Tovaleaf for IE5.0 Ver1.20");
const QString Form1::ControlPrompt = QStringLiteral("Control");
const QString Form1::EffectsPrompt = QStringLiteral("DynamicHtml");
const QString Form1::EditModeText = QStringLiteral("編集モード");
const QString Form1::RunModeText = QStringLiteral("実行モード");

namespace {

const QStringList ControlEntries = {
    QStringLiteral("ボタン"), QStringLiteral("テキストボックス"), QStringLiteral("テキストエリア"),
    QStringLiteral("選択ボックス"), QStringLiteral("フローティングフレーム"), QStringLiteral("チェックボタン"),
    QStringLiteral("オプションボタン"), QStringLiteral("水平罫線"), QStringLiteral("マーキー"),
};

const QString BrowseTempName = QStringLiteral("\\BrowseTemp.htm");

// What the mode indicator may show: the two modes, and the XML sample's browser mode.
const QStringList IndicatorTexts = {Form1::EditModeText, Form1::RunModeText, QStringLiteral("ブラウザモード")};

QFont listFont()
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSizeF(11.25);
    font.setBold(true);
    return font;
}

QComboBox *makeList(const QString &name, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setFont(listFont());
    return combo;
}

QPushButton *hiddenButton(const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->hide();
    return button;
}

QLineEdit *hiddenText(const QString &name, QWidget *parent)
{
    auto *text = new QLineEdit(parent);
    text->setObjectName(name);
    text->hide();
    return text;
}

} // namespace

Form1::Form1(AppContext &app, QWidget *parent) : QMainWindow(parent), m_app(app), m_runModeText(RunModeText)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Caption);
    buildControls();
    m_menus = std::make_unique<MenuBar>(this);
    m_help = std::make_unique<HelpMenu>(m_app, this);
    connect(m_menus->item(QStringLiteral("sourcehyouji")), &QAction::triggered, this, &Form1::ShowSource);
    connect(m_menus->item(QStringLiteral("otasuke")), &QAction::triggered, this, [this] { m_help->otasuke_Click(); });
    connect(m_menus->item(QStringLiteral("trytvl")), &QAction::triggered, this, [this] { m_help->trytvl_Click(); });
    connect(m_menus->item(QStringLiteral("sakusha")), &QAction::triggered, this, [this] { m_help->sakusha_Click(); });
    connect(m_menus->item(QStringLiteral("mivoscript")), &QAction::triggered, this, [this] { m_help->mivoscript_Click(); });
    m_statusLine = new StatusLine(statusBar(), m_DHTMLEdit1, m_Text4, m_RichTextBox1);
    menuWidget()->installEventFilter(this);
    // The resize rule is the window's one limit: the layout's minimum would count the
    // menu bar's rows at a width the window never has.
    setMinimumSize(1, 1);
    fitTopRow();
    // The design size is the client area, between the menu bar and the status bar; wider where the top row needs it.
    const int width = qMax(Twips::toPixelsX(DesignClientWidth, this), m_topRowRight + Twips::toPixelsX(TopRowMargin, this));
    resize(width, Twips::toPixelsY(DesignClientHeight, this) + menuWidget()->heightForWidth(width) + statusBar()->sizeHint().height());
    m_snippets = std::make_unique<SnippetInserter>(m_app, m_DHTMLEdit1, m_RichTextBox2);
    m_scriptStep = std::make_unique<ScriptStep>(m_app, m_DHTMLEdit1, *m_snippets);
    m_effects = std::make_unique<EffectDispatcher>(dialogOwner());
    EffectDialogs::registerAll(*m_effects);
    m_controls = std::make_unique<ControlList>(dialogOwner(), [this] {
        Form10 dialog(dialogOwner());
        dialog.exec();
    });
    m_menuCommands = std::make_unique<MenuCommands>(dialogOwner(), *m_menus, m_RichTextBox1);
    connect(m_menus->item(QStringLiteral("go_browse")), &QAction::triggered, this, &Form1::go_browse_Click);
    connect(m_menus->item(QStringLiteral("go_hennsyuu")), &QAction::triggered, this, &Form1::go_hennsyuu_Click);
    m_editorEvents = std::make_unique<EditorEvents>(this, m_menuCommands.get(), m_app.shared);
    onLoad();
    connectDocumentCommands();
    keepRecoveryCopy();
}

Form1::~Form1()
{
    m_DHTMLEdit1->recovery().setStore(nullptr);
}

// The page's recovery copy goes to this run's part of the per-user state folder.
void Form1::keepRecoveryCopy()
{
    StateFolder &folder = StateFolder::current();
    if (!folder.isUsable())
        return;
    m_recoveryStore = std::make_unique<RecoveryStore>(folder);
    RecoveryCopy &copy = m_DHTMLEdit1->recovery();
    copy.setStore(m_recoveryStore.get());
    connect(&copy, &RecoveryCopy::writeFailed, this, [this](const QString &reason) {
        if (m_recoveryWarned)
            return;
        m_recoveryWarned = true;
        m_app.boxes.say(QStringLiteral("復元用の控えを書き込めません。プログラムが異常終了したとき、編集中のページを復元できません。\n%1: %2")
                            .arg(m_recoveryStore->file(), reason),
                        MessageBoxes::DefaultTitle, MessageBoxes::Icon::Warning);
    });
}

Form3 *Form1::sourceWindow()
{
    if (!m_Form3)
        m_Form3 = new Form3(dialogOwner(), m_RichTextBox3);
    return m_Form3;
}

void Form1::ShowSource()
{
    if (!PageText::take(m_DHTMLEdit1, m_RichTextBox3)) {
        m_app.boxes.say(PageText::unreadable(m_DHTMLEdit1, QStringLiteral("ソースを表示できません")), MessageBoxes::DefaultTitle,
                        MessageBoxes::Icon::Warning);
        return;
    }
    sourceWindow()->showSource(m_RichTextBox3->text());
}

void Form1::placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(Twips::toPixelsX(left, this), Twips::toPixelsY(top, this), Twips::toPixelsX(width, this),
                        Twips::toPixelsY(height, this));
}

void Form1::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    m_Combo2 = makeList(QStringLiteral("Combo2"), client);
    m_Combo2->setToolTip(QStringLiteral("同一文書には現時点では一つのScriptのみの対応です。複数使用の場合はソースの編集を行ってください。"));
    placeTwips(m_Combo2, 120, 120, 2895, 345);

    m_Combo1 = makeList(QStringLiteral("Combo1"), client);
    placeTwips(m_Combo1, 3120, 120, 2535, 345);

    m_Text4 = new QLineEdit(client);
    m_Text4->setObjectName(QStringLiteral("Text4"));
    m_Text4->setReadOnly(true);
    m_Text4->setToolTip(QStringLiteral("ブラウザ表示ど同じ表示の場合は「実行モード」に変わります。"));
    placeTwips(m_Text4, 5760, 120, 1215, 300);

    m_Command1 = new QPushButton(QStringLiteral("XMLｻﾝﾌﾟﾙ"), client);
    m_Command1->setObjectName(QStringLiteral("Command1"));
    m_Command1->setToolTip(QStringLiteral("XMLを使ったサンプルを見ることが出来ます。"));
    m_Command1->setStyleSheet(QStringLiteral("QPushButton { background-color: red; }"));
    placeTwips(m_Command1, 7080, 120, 1215, 255);

    m_Label1 = new QLabel(QStringLiteral("マウスの右クリックでもメニューが表示されます。"), client);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    placeTwips(m_Label1, 8400, 120, 3690, 180);

    m_DHTMLEdit1 = new DhtmlEdit(m_app, client);
    m_DHTMLEdit1->setObjectName(QStringLiteral("DHTMLEdit1"));
    placeTwips(m_DHTMLEdit1, 120, 480, 12015, 8295);
    setAcceptDrops(true);
    if (auto *view = qobject_cast<SurfaceView *>(m_DHTMLEdit1->view()))
        connect(view, &SurfaceView::filesDropped, this, &Form1::openDroppedFiles, Qt::QueuedConnection);

    m_Command3 = hiddenButton(QStringLiteral("Command3"), client);
    m_Command4 = hiddenButton(QStringLiteral("Command4"), client);
    m_Command5 = hiddenButton(QStringLiteral("Command5"), client);
    connect(m_Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(m_Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(m_Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(m_Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(m_Combo2, &QComboBox::activated, this, &Form1::Combo2_Click);
    new FocusLossWatcher(m_Combo1, [this] { Combo1_LostFocus(); });
    new FocusLossWatcher(m_Combo2, [this] { Combo2_LostFocus(); });
    m_Text1 = hiddenText(QStringLiteral("Text1"), client);
    m_Text5 = hiddenText(QStringLiteral("Text5"), client);
    m_Text6 = hiddenText(QStringLiteral("Text6"), client);

    m_RichTextBox1 = new TextBuffer(QStringLiteral("RichTextBox1"), this);
    m_RichTextBox2 = new TextBuffer(QStringLiteral("RichTextBox2"), this);
    m_RichTextBox3 = new TextBuffer(QStringLiteral("RichTextBox3"), this);
    m_RichTextBox3->setBackColor(m_Text4->palette().color(QPalette::Base));
    m_CommonDialog1 = new CommonDialog(QStringLiteral("CommonDialog1"), this, m_app.dialogs);
}

// The top row keeps the design's places where its texts fit them; a control
// whose text needs more room grows, and those after it move along, keeping the
// design's gap. The editing surface starts below the row.
void Form1::fitTopRow()
{
    struct Place
    {
        QWidget *widget;
        int left, top, width, height; // twips
        QSize needed;                 // pixels
    };
    int indicatorWidth = 0;
    for (const QString &text : IndicatorTexts)
        indicatorWidth = qMax(indicatorWidth, FieldWidth::forText(m_Text4, text));
    const QList<Place> row = {
        {m_Combo2, 120, 120, 2895, 345, m_Combo2->sizeHint()},
        {m_Combo1, 3120, 120, 2535, 345, m_Combo1->sizeHint()},
        {m_Text4, 5760, 120, 1215, 300, {indicatorWidth, m_Text4->sizeHint().height()}},
        {m_Command1, 7080, 120, 1215, 255, m_Command1->sizeHint()},
        {m_Label1, 8400, 120, 3690, 180, m_Label1->sizeHint()},
    };
    const int gap = Twips::toPixelsX(105, this);
    int right = 0;
    int bottom = 0;
    for (const Place &place : row) {
        QRect rect(Twips::toPixelsX(place.left, this), Twips::toPixelsY(place.top, this), Twips::toPixelsX(place.width, this),
                   Twips::toPixelsY(place.height, this));
        if (right > 0)
            rect.moveLeft(qMax(rect.left(), right + gap));
        rect.setWidth(qMax(rect.width(), place.needed.width()));
        rect.setHeight(qMax(rect.height(), place.needed.height()));
        place.widget->setGeometry(rect);
        right = rect.right() + 1;
        bottom = qMax(bottom, rect.bottom() + 1);
    }
    m_topRowRight = right;
    const int surfaceTop = qMax(Twips::toPixelsY(480, this), bottom + Twips::toPixelsY(15, this));
    m_DHTMLEdit1->move(Twips::toPixelsX(120, this), surfaceTop);
}

TextBuffer *Form1::richTextBox(int n) const
{
    switch (n) {
    case 1:
        return m_RichTextBox1;
    case 2:
        return m_RichTextBox2;
    case 3:
        return m_RichTextBox3;
    default:
        return nullptr;
    }
}

void Form1::onLoad()
{
    m_app.shared.EffectKind = Effect::Nothing;
    QGuiApplication::clipboard()->clear();
    m_DHTMLEdit1->setShowBorders(true);
    m_DHTMLEdit1->setShowDetails(true);
    fillLists();
    showMode();

    connect(m_DHTMLEdit1, &DhtmlEdit::DocumentComplete, this, [this] {
        // A page that does not answer leaves the copy as it was; the commands that need the text say so themselves.
        const QString html = m_DHTMLEdit1->DocumentHTML();
        if (html.isNull())
            return;
        m_RichTextBox1->setText(html);
        m_statusLine->refresh();
        // The page's first DisplayChanged may come before this copy: the picture's items follow it now.
        m_editorEvents->SourceCopyChanged();
    });
    connect(m_DHTMLEdit1, &DhtmlEdit::GotFocus, this, [this] { m_DHTMLEdit1->setShowDetails(true); });
    connect(m_DHTMLEdit1, &DhtmlEdit::RendererFailed, this, [this](const QString &message) { m_app.boxes.say(message); });
    connect(m_DHTMLEdit1, &DhtmlEdit::BrowseModeChanged, this, &Form1::onBrowseModeChanged);
}

void Form1::fillLists()
{
    m_Combo1->clear();
    m_Combo1->addItems(ControlEntries);
    m_Combo2->clear();
    m_Combo2->addItems(EffectCatalogue::listTexts());
    // The prompts are texts of the edit part, not entries of the lists.
    m_Combo1->setCurrentIndex(-1);
    m_Combo1->setEditText(ControlPrompt);
    m_Combo2->setCurrentIndex(-1);
    m_Combo2->setEditText(EffectsPrompt);
}

DialogOwner Form1::dialogOwner()
{
    return {this, *this, m_app, m_DHTMLEdit1, m_CommonDialog1, m_RichTextBox2};
}

// The one place the mode shows: Text4's text and colour, and the two lists,
// which take no new element in run mode or while a positioned object is selected.
void Form1::showMode()
{
    const bool run = m_DHTMLEdit1->BrowseMode();
    m_Text4->setText(run ? m_runModeText : EditModeText);
    QPalette palette = m_Text4->palette();
    palette.setColor(QPalette::Base, run ? QColor(255, 0, 0) : m_RichTextBox3->backColor());
    m_Text4->setPalette(palette);
    const bool lists = !run && !m_listsHeld;
    m_Combo1->setEnabled(lists);
    m_Combo2->setEnabled(lists);
}

// Follows the surface: whoever switched the mode, and however.
void Form1::onBrowseModeChanged(bool browse)
{
    m_listsHeld = false;
    if (!browse)
        m_runModeText = RunModeText;
    showMode();
    m_menus->followMode(browse);
}

// Shown when the surface says it runs, not before: a switch that fails leaves the indicator as it was.
void Form1::nameRunMode(const QString &text)
{
    m_runModeText = text.isEmpty() ? RunModeText : text;
}

void Form1::holdListsForPosition(bool held)
{
    m_listsHeld = held;
    showMode();
}

void Form1::mivo_go()
{
    m_snippets->insert(m_app.shared.SnippetHtml);
}

void Form1::goscript()
{
    m_scriptStep->goscript();
}

void Form1::harituke()
{
    m_scriptStep->harituke();
}

void Form1::Command5_Click()
{
    m_scriptStep->Command5_Click();
}

void Form1::Combo1_Click()
{
    m_controls->Combo1_Click(m_Combo1->currentText());
}

void Form1::Combo1_LostFocus()
{
    m_Combo1->setEditText(ControlPrompt);
}

void Form1::Combo2_Click()
{
    m_effects->Combo2_Click(m_Combo2->currentText());
}

void Form1::Combo2_LostFocus()
{
    m_Combo2->setEditText(EffectsPrompt);
}

void Form1::creat_hyou()
{
    TableCreation::insert(m_app, m_DHTMLEdit1);
}

void Form1::Command3_Click()
{
    if (!m_snippets->reloadViaTempPage(m_app.folder.tempFile(BrowseTempName)))
        return;
    m_app.boxes.say(QStringLiteral("現在編集中のファイルをブラウズモードで確認します！"));
    if (!m_DHTMLEdit1->setBrowseMode(true))
        m_app.boxes.say(QStringLiteral("実行モードに切り替えられませんでした: %1").arg(m_DHTMLEdit1->lastError()));
}

void Form1::Command4_Click()
{
    if (!m_DHTMLEdit1->setBrowseMode(false))
        m_app.boxes.say(QStringLiteral("編集モードに切り替えられませんでした: %1").arg(m_DHTMLEdit1->lastError()));
}

void Form1::go_browse_Click()
{
    Command3_Click();
    // A switch that could not be made leaves the items as they were.
    if (!m_DHTMLEdit1->BrowseMode())
        return;
    m_menus->item(QStringLiteral("go_browse"))->setEnabled(false);
    m_menus->item(QStringLiteral("go_hennsyuu"))->setEnabled(true);
}

void Form1::go_hennsyuu_Click()
{
    Command4_Click();
    if (m_DHTMLEdit1->BrowseMode())
        return;
    m_menus->item(QStringLiteral("go_browse"))->setEnabled(true);
    m_menus->item(QStringLiteral("go_hennsyuu"))->setEnabled(false);
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyResizeRule();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // The menu bar takes another row when the window narrows: the surface below it follows.
    if (watched == menuWidget() && event->type() == QEvent::Resize)
        applyResizeRule();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::applyResizeRule()
{
    if (isMinimized() || m_resizing)
        return;
    m_resizing = true;
    const QRect outer = frameGeometry();
    const int frameExtraW = outer.width() - width();
    const int frameExtraH = outer.height() - height();
    // Never so narrow that the top row is cut, nor larger than the screen can show.
    int minW = qMax(Twips::toPixelsX(MinimumWidth, this), m_topRowRight + Twips::toPixelsX(TopRowMargin, this) + frameExtraW);
    int minH = Twips::toPixelsY(MinimumHeight, this);
    if (const QScreen *shown = screen()) {
        minW = qMin(minW, shown->availableGeometry().width());
        minH = qMin(minH, shown->availableGeometry().height());
    }
    if (outer.width() < minW)
        resize(minW - frameExtraW, height());
    if (frameGeometry().height() < minH)
        resize(width(), minH - frameExtraH);
    const int outerTwipsW = Twips::fromPixelsX(frameGeometry().width(), this);
    const int outerTwipsH = Twips::fromPixelsY(frameGeometry().height(), this);
    m_DHTMLEdit1->setWidth(qMax(0, outerTwipsW - 300));
    // Measured from below the menu bar and the top row: more rows of menus, or a taller row, leave the surface less.
    const auto *bar = static_cast<const WrappingMenuBar *>(menuWidget());
    const int below = (bar->height() - bar->rowHeight()) + (m_DHTMLEdit1->y() - Twips::toPixelsY(480, this));
    m_DHTMLEdit1->setHeight(qMax(0, outerTwipsH - 1600 - Twips::fromPixelsY(below, this)));
    m_resizing = false;
}

void Form1::connectDocumentCommands()
{
    m_pageSaver = std::make_unique<PageSaver>(m_app, m_DHTMLEdit1, m_RichTextBox1, m_CommonDialog1);
    m_newPage = std::make_unique<NewPageCommand>(m_app, m_DHTMLEdit1, *m_pageSaver);
    m_opener = std::make_unique<PageOpener>(m_app, m_DHTMLEdit1, *m_pageSaver);
    m_preview = std::make_unique<BrowserPreview>(m_app, m_DHTMLEdit1, m_RichTextBox1);
    m_modernExport = std::make_unique<ModernExportCommand>(m_app, m_DHTMLEdit1, m_RichTextBox1, this);
    m_xmlSample = std::make_unique<XmlSample>(m_app, this, m_DHTMLEdit1, m_Command1, [this](const QString &text) { nameRunMode(text); });
    m_exit = std::make_unique<ProgramExit>(m_app, this, *m_pageSaver);

    connect(m_menus->item(QStringLiteral("file_save")), &QAction::triggered, this, &Form1::SavePage);
    connect(m_menus->item(QStringLiteral("new_page")), &QAction::triggered, this, [this] {
        // Enabled even when the question that follows is cancelled.
        m_Command1->setEnabled(true);
        NewPage();
    });
    connect(m_menus->item(QStringLiteral("mivofile_open")), &QAction::triggered, this, &Form1::openFileScreen);
    connect(m_menus->item(QStringLiteral("go_ie40")), &QAction::triggered, this, &Form1::PreviewInBrowser);
    connect(m_menus->item(QStringLiteral("kakidasi")), &QAction::triggered, this, &Form1::ExportForTodaysBrowsers);
    connect(m_menus->item(QStringLiteral("finish")), &QAction::triggered, this, &Form1::FinishProgram);
    connect(m_Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
}

void Form1::SavePage()
{
    m_pageSaver->SavePage();
}

void Form1::NewPage()
{
    m_newPage->NewPage();
}

void Form1::openFileScreen()
{
    if (!m_opener->mayReplacePage())
        return;
    m_app.shared.EffectKind = Effect::FileScreenOpened;
    Form25 screen(m_app, m_DHTMLEdit1, this);
    // The screen hides while a chosen page loads; it is back when that failed.
    do
        screen.exec();
    while (screen.isVisible());
}

bool Form1::openPageFromOutside(const QString &path)
{
    return m_opener->openFromOutside(path);
}

void Form1::openDroppedFiles(const QStringList &paths)
{
    if (paths.size() != 1) {
        m_app.boxes.say(QStringLiteral("開けるページは一度に一つです。ページのファイルを一つだけドロップしてください。"));
        return;
    }
    openPageFromOutside(paths.first());
}

bool Form1::event(QEvent *event)
{
    // The question and the load wait for the user and the page: not inside the drop.
    if (DroppedFiles::handle(event, [this](const QStringList &files) {
            QMetaObject::invokeMethod(this, [this, files] { openDroppedFiles(files); }, Qt::QueuedConnection);
        }))
        return true;
    return QMainWindow::event(event);
}

void Form1::PreviewInBrowser()
{
    m_preview->PreviewInBrowser();
}

void Form1::ExportForTodaysBrowsers()
{
    m_modernExport->ExportPage();
}

void Form1::FinishProgram()
{
    m_exit->FinishProgram();
}

void Form1::Command1_Click()
{
    m_xmlSample->Command1_Click();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_exit->Form_Unload())
        event->accept();
    else
        event->ignore();
}
