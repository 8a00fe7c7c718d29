#include "Form28.h"

#include "platform/AppContext.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const QString Form28::DefaultAddress = QStringLiteral("https://www.example.com/");
const QString Form28::ClosingReminder = QStringLiteral("ホームページを見た後は，電話回線が切断されているかお忘れないように！");

Form28::Form28(AppContext &app, QWidget *owner)
    : QWidget(owner, Qt::Window), m_boxes(app.boxes), m_Text1(new QLineEdit(DefaultAddress, this)),
      m_Command1(new QPushButton(QStringLiteral("Jump"), this)), m_WebBrowser1(new WebBrowser(app.pages, QStringLiteral("WebBrowser1"), this)),
      m_Label1(new QLabel(QStringLiteral("URLを入力してJumpをｸﾘｯｸするとホームページが見れます．"), this)),
      m_Label2(new QLabel(QStringLiteral("ﾎｰﾑﾍﾟｰｼﾞが表示されている時は，ﾏｳｽの右ｸﾘｯｸでﾌﾞﾗｳｻﾞﾒﾆｭｰが出ます．"), this))
{
    setObjectName(QStringLiteral("Form28"));
    setWindowTitle(QStringLiteral("ホームページ閲覧"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_Text1->setObjectName(QStringLiteral("Text1"));
    m_Command1->setObjectName(QStringLiteral("Command1"));
    m_Command1->setFont(QFont(QStringLiteral("Arial Black")));
    m_Label1->setObjectName(QStringLiteral("Label1"));
    m_Label2->setObjectName(QStringLiteral("Label2"));
    // Placed by hand: the browser's size follows the window by a rule, which a layout would fight.
    m_Text1->setGeometry(8, 8, 420, 26);
    m_Command1->setGeometry(436, 8, 90, 26);
    m_Label1->setGeometry(8, 38, 700, 20);
    m_Label2->setGeometry(8, 58, 700, 20);
    m_WebBrowser1->move(8, 82);
    connect(m_Command1, &QPushButton::clicked, this, &Form28::Command1_Click);
    resize(Twips::toPixelsX(9000, this), Twips::toPixelsY(7000, this));
}

void Form28::Command1_Click()
{
    showMaximized();
    m_WebBrowser1->Navigate(m_Text1->text());
}

void Form28::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (isMinimized())
        return;
    const int minWidth = Twips::toPixelsX(MinimumWidth, this);
    const int minHeight = Twips::toPixelsY(MinimumHeight, this);
    if (width() < minWidth || height() < minHeight) {
        resize(qMax(width(), minWidth), qMax(height(), minHeight));
        return; // the browser follows with the resize this causes
    }
    m_WebBrowser1->resize(qMax(0, width() - Twips::toPixelsX(300, this)), qMax(0, height() - Twips::toPixelsY(1200, this)));
}

void Form28::closeEvent(QCloseEvent *event)
{
    m_boxes.say(ClosingReminder);
    QWidget::closeEvent(event);
}
