#include "ModernExport.h"

#include "platform/FileAccess.h"
#include "platform/FileChannel.h"
#include "platform/PageEncoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QQueue>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

const QString ModernExport::RuntimeFileName = QStringLiteral("tovaleaf-runtime.js");

namespace {

bool isUtf16(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// The page's characters one for one with what the insertion counts in: bytes for the
// charsets that keep ASCII as it is, UTF-16 code units after the byte-order mark otherwise.
QString tagView(const QByteArray &page)
{
    if (isUtf16(page))
        return PageEncoding::decode(page.mid(2), page.startsWith("\xFF\xFE") ? "UTF-16LE" : "UTF-16BE");
    return QString::fromLatin1(page);
}

qsizetype endOfTag(const QString &view, qsizetype from)
{
    QChar quote;
    for (qsizetype i = from; i < view.size(); ++i) {
        const QChar c = view[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return i + 1;
        }
    }
    return view.size();
}

QString tagNameAt(const QString &view, qsizetype at)
{
    qsizetype i = at + 1;
    while (i < view.size() && (view[i].isLetterOrNumber() || view[i] == QLatin1Char('-')))
        ++i;
    return view.mid(at + 1, i - at - 1).toLower();
}

// After the html and head start tags and, unless stopAtMeta, the meta elements that open the
// head (a charset declaration keeps its place near the top); before anything else.
qsizetype insertionPoint(const QString &view, bool stopAtMeta)
{
    qsizetype at = view.startsWith(QString::fromLatin1("\xEF\xBB\xBF")) ? 3 : 0;
    for (;;) {
        while (at < view.size() && view[at].isSpace())
            ++at;
        if (view.mid(at, 4) == QLatin1String("<!--")) {
            const qsizetype close = view.indexOf(QLatin1String("-->"), at + 4);
            at = close < 0 ? view.size() : close + 3;
            continue;
        }
        if (view.mid(at, 2) == QLatin1String("<!") || view.mid(at, 2) == QLatin1String("<?")) {
            at = endOfTag(view, at);
            continue;
        }
        if (at < view.size() && view[at] == QLatin1Char('<')) {
            const QString name = tagNameAt(view, at);
            if (name == QLatin1String("html") || name == QLatin1String("head") || (name == QLatin1String("meta") && !stopAtMeta)) {
                at = endOfTag(view, at);
                continue;
            }
        }
        return at;
    }
}

const QStringList &htmlSuffixes()
{
    static const QStringList suffixes = {QStringLiteral("htm"), QStringLiteral("html"), QStringLiteral("xhtml"),
                                         QStringLiteral("xht"), QStringLiteral("hta"), QStringLiteral("shtml")};
    return suffixes;
}

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString reason;
    if (!FileChannel::writeBytes(path, bytes, &reason)) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    return true;
}

bool readFile(const QString &path, QByteArray *bytes, QString *error)
{
    const FileAccess::Result read = FileAccess::read(path, bytes);
    if (!read) {
        *error = QStringLiteral("読めません: %1: %2")
                     .arg(QDir::toNativeSeparators(path), FileAccess::reason(read.error, FileAccess::Access::Read));
        return false;
    }
    return true;
}

// Where an address the page names leads, if it is a file of the page's folder.
struct Target
{
    enum Kind { None, Inside, Outside } kind = None;
    QString relative; // to the page's folder
};

Target targetOf(const QString &address, const QString &fromFolder, const QString &root)
{
    QString a = address.trimmed();
    a.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (a.isEmpty() || a.startsWith(QLatin1Char('#')) || a.startsWith(QLatin1String("//")))
        return {};
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):"));
    const QRegularExpressionMatch m = scheme.match(a);
    if (m.hasMatch()) {
        // A drive letter or a file address is this computer's, not the page's folder's; other schemes are the network's.
        const QString name = m.captured(1).toLower();
        return name.size() == 1 || name == QLatin1String("file") ? Target{Target::Outside, {}} : Target{};
    }
    const qsizetype cut = a.indexOf(QRegularExpression(QStringLiteral("[?#]")));
    if (cut >= 0)
        a.truncate(cut);
    const QString path = QUrl::fromPercentEncoding(a.toUtf8());
    if (path.isEmpty())
        return {};
    if (path.startsWith(QLatin1Char('/')))
        return {Target::Outside, {}};
    const QString full = QDir::cleanPath(fromFolder + QLatin1Char('/') + path);
    if (!full.startsWith(root + QLatin1Char('/')))
        return {Target::Outside, {}};
    return {Target::Inside, full.mid(root.size() + 1)};
}

void addOnce(QStringList *list, const QString &item)
{
    if (!list->contains(item))
        list->append(item);
}

// Runs through a page and the pages and style sheets it names, writing each into outDir.
class Exporter
{
public:
    Exporter(const QString &root, const QString &outDir, const QString &pageName) : m_root(root), m_out(outDir), m_page(pageName)
    {
        m_done = {pageName, ModernExport::RuntimeFileName};
    }

    bool run(const QByteArray &page, ModernExport::Result *result)
    {
        m_pending.enqueue({m_page, page});
        while (!m_pending.isEmpty()) {
            const Item item = m_pending.dequeue();
            if (!writeItem(item, result))
                return false;
        }
        return true;
    }

private:
    struct Item
    {
        QString relative;
        QByteArray bytes;
    };

    bool writeItem(const Item &item, ModernExport::Result *result)
    {
        const QString suffix = QFileInfo(item.relative).suffix().toLower();
        // A page named by the page runs as well; any other file goes as it is.
        const bool page = item.relative == m_page || (htmlSuffixes().contains(suffix) && ModernExport::isHtml(item.bytes, item.relative));
        const bool sheet = suffix == QLatin1String("css");
        QByteArray bytes = item.bytes;
        if (page) {
            // The runtime lies beside the first page: the others reach it from their own folders.
            const QString runtime = QDir(QFileInfo(m_out + QLatin1Char('/') + item.relative).absolutePath())
                                        .relativeFilePath(m_out + QLatin1Char('/') + ModernExport::RuntimeFileName);
            bytes = ModernExport::withRuntime(item.bytes, runtime);
        }
        QString error;
        if (!writeFile(m_out + QLatin1Char('/') + item.relative, bytes, &error)) {
            result->error = QStringLiteral("書き込めません: ") + error;
            return false;
        }
        if (!page && !sheet)
            return true;
        const QString folder = QFileInfo(m_root + QLatin1Char('/') + item.relative).absolutePath();
        for (const QString &address : ModernExport::addresses(PageEncoding::decodeDetected(item.bytes))) {
            const Target target = targetOf(address, folder, m_root);
            if (target.kind == Target::Outside) {
                addOnce(&result->outside, address.trimmed());
                continue;
            }
            if (target.kind == Target::None || m_done.contains(target.relative))
                continue;
            m_done.insert(target.relative);
            const QFileInfo source(m_root + QLatin1Char('/') + target.relative);
            if (!source.isFile()) {
                addOnce(&result->missing, target.relative);
                continue;
            }
            QByteArray named;
            if (!readFile(source.filePath(), &named, &error)) {
                result->error = error;
                return false;
            }
            addOnce(&result->copied, target.relative);
            m_pending.enqueue({target.relative, named});
        }
        return true;
    }

    QString m_root;
    QString m_out;
    QString m_page;
    QSet<QString> m_done;
    QQueue<Item> m_pending;
};

} // namespace

QByteArray ModernExport::runtime()
{
    QFile file(QStringLiteral(":/runtime/tovaleaf-runtime.js"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing resource %s", qPrintable(file.fileName()));
    return file.readAll();
}

bool ModernExport::loadsRuntime(const QByteArray &page)
{
    static const QRegularExpression element(QStringLiteral("<script\\b[^>]*\\bsrc\\s*=\\s*[\"']?[^\"'\\s>]*tovaleaf-runtime\\.js"),
                                            QRegularExpression::CaseInsensitiveOption);
    return element.match(tagView(page)).hasMatch();
}

QString ModernExport::declarationNeeded(const QByteArray &page)
{
    if (isUtf16(page) || page.startsWith("\xEF\xBB\xBF") || !PageEncoding::declaredCharset(page).isEmpty())
        return QString();
    bool ascii = true;
    for (const char c : page)
        ascii = ascii && uchar(c) < 0x80;
    if (ascii)
        return QString();
    return QString::fromLatin1(PageEncoding::webLabel(PageEncoding::detect(page)));
}

QByteArray ModernExport::withRuntime(const QByteArray &page, const QString &runtimePath)
{
    if (loadsRuntime(page))
        return page;
    const QString view = tagView(page);
    // A page that does not say its charset is read in the browser's own language's (windows-1252
    // in most): it says the one the program reads it in, ahead of any declaration it does not know.
    const QString charset = declarationNeeded(page);
    const qsizetype at = insertionPoint(view, !charset.isEmpty());
    QString element = QStringLiteral("<script src=\"%1\"></script>").arg(runtimePath.toHtmlEscaped());
    if (!charset.isEmpty())
        element.prepend(QStringLiteral("<meta charset=\"%1\">").arg(charset));
    QByteArray out = page;
    if (isUtf16(page)) {
        const QByteArray charset = page.startsWith("\xFF\xFE") ? "UTF-16LE" : "UTF-16BE";
        return out.insert(2 + 2 * at, PageEncoding::encode(element, charset));
    }
    return out.insert(at, element.toUtf8());
}

bool ModernExport::isHtml(const QByteArray &bytes, const QString &fileName)
{
    if (PageEncoding::looksBinary(bytes))
        return false;
    if (htmlSuffixes().contains(QFileInfo(fileName).suffix().toLower()))
        return true;
    static const QRegularExpression markup(QStringLiteral("<(html|head|body|frameset)\\b|<!doctype\\s+html"),
                                           QRegularExpression::CaseInsensitiveOption);
    return markup.match(PageEncoding::decodeDetected(bytes.left(65536))).hasMatch();
}

QStringList ModernExport::addresses(const QString &text)
{
    static const QRegularExpression attribute(
        QStringLiteral("\\b(?:src|href|background|lowsrc|dynsrc|data)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>\"']+))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression cssUrl(QStringLiteral("url\\(\\s*(?:\"([^\"]*)\"|'([^']*)'|([^)\\s]*))\\s*\\)"),
                                           QRegularExpression::CaseInsensitiveOption);
    // A script names its pictures and pages in quotes: picture.src = "b.gif", showModalDialog "d.htm".
    static const QRegularExpression quotedFile(
        QStringLiteral("[\"']([^\"'<>\\r\\n]*\\.(?:gif|jpe?g|png|bmp|ico|svg|webp|html?|css|js|xml|xsl|txt|wav|mid|midi|mp3|avi|mpe?g|swf))"
                       "(?:[?#][^\"'<>\\r\\n]*)?[\"']"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    for (const QRegularExpression *re : {&attribute, &cssUrl, &quotedFile}) {
        QRegularExpressionMatchIterator it = re->globalMatch(text);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            for (int group = 1; group <= m.lastCapturedIndex(); ++group) {
                if (m.capturedStart(group) >= 0) {
                    addOnce(&found, m.captured(group));
                    break;
                }
            }
        }
    }
    return found;
}

ModernExport::Result ModernExport::exportPage(const QByteArray &page, const QString &pageName, const QString &sourceFolder,
                                              const QString &outDir)
{
    Result result;
    const QFileInfo out(outDir);
    if (out.exists() && !out.isDir()) {
        result.error = QStringLiteral("書き出し先はフォルダではありません: %1").arg(QDir::toNativeSeparators(outDir));
        return result;
    }
    if (!QDir().mkpath(outDir)) {
        result.error = QStringLiteral("書き出し先のフォルダを作れません: %1").arg(QDir::toNativeSeparators(outDir));
        return result;
    }
    const QString root = QFileInfo(sourceFolder).canonicalFilePath();
    const QString target = QFileInfo(outDir).canonicalFilePath();
    // The page's own folder would have the user's page and files overwritten.
    if (!root.isEmpty() && root == target) {
        result.error = QStringLiteral("書き出し先が元のページと同じフォルダです。別のフォルダを選んでください。");
        return result;
    }
    QString error;
    if (!writeFile(target + QLatin1Char('/') + RuntimeFileName, runtime(), &error)) {
        result.error = QStringLiteral("書き込めません: ") + error;
        return result;
    }
    Exporter exporter(root.isEmpty() ? QDir::cleanPath(QFileInfo(sourceFolder).absoluteFilePath()) : root, target, pageName);
    if (!exporter.run(page, &result))
        return result;
    result.pagePath = target + QLatin1Char('/') + pageName;
    result.ok = true;
    return result;
}

ModernExport::Result ModernExport::exportFile(const QString &pagePath, const QString &outDir)
{
    Result result;
    const QFileInfo info(pagePath);
    if (!info.exists()) {
        result.error = QStringLiteral("ページが見つかりません: %1").arg(QDir::toNativeSeparators(pagePath));
        return result;
    }
    if (info.isDir()) {
        result.error = QStringLiteral("ページではなくフォルダです: %1").arg(QDir::toNativeSeparators(pagePath));
        return result;
    }
    QByteArray page;
    if (!readFile(pagePath, &page, &result.error))
        return result;
    if (!isHtml(page, info.fileName())) {
        result.error = QStringLiteral("HTML のページではありません: %1").arg(QDir::toNativeSeparators(pagePath));
        return result;
    }
    return exportPage(page, info.fileName(), info.absolutePath(), outDir);
}

bool ModernExport::writeRunnable(const QString &path, const QByteArray &page, QString *error)
{
    const QString runtimePath = QFileInfo(path).absolutePath() + QLatin1Char('/') + RuntimeFileName;
    return writeFile(runtimePath, runtime(), error) && writeFile(path, withRuntime(page), error);
}
