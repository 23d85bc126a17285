#include "zcqssparser.h"

#include <QBuffer>
#include <QDebug>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryFile>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QTextCodec>
#else
#include <QStringDecoder>
#endif

#include <cstdio>
#include <cstring>

namespace {

constexpr int maxImportPasses = 10;
constexpr int maxVariablePasses = 10;
constexpr int maxVariableDepth = 512;
constexpr int maxIconSide = 1024;

const QString stateNames[] = {QStringLiteral("normal"), QStringLiteral("hover"),
                              QStringLiteral("pressed"), QStringLiteral("notify")};

bool isBlank(QChar c)
{
    // A carriage return is a blank too, so sheets saved with Windows line ends work.
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r');
}

// Names and paths: no blanks at all and no final ';'.
QString compact(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (!isBlank(c))
            result.append(c);
    }
    if (result.endsWith(QLatin1Char(';')))
        result.chop(1);
    return result;
}

// Variable values keep their inner blanks, one per run, so `1px solid red` stays valid QSS.
QString variableValue(const QString& text)
{
    QString value = text.simplified();
    if (value.endsWith(QLatin1Char(';')))
        value.chop(1);
    return value.trimmed();
}

// A call such as `var(--a)` or `icon(save, 16)`: up to the first ')' on the same line.
struct Call {
    int start = -1;
    int end = -1;
    QStringView argument;
};

bool findCall(const QString& text, QLatin1String opening, int from, Call& call)
{
    for (int start = text.indexOf(opening, from); start >= 0; start = text.indexOf(opening, start + 1)) {
        const int argumentStart = start + opening.size();
        for (int i = argumentStart; i < text.size() && text.at(i) != QLatin1Char('\n'); ++i) {
            if (text.at(i) == QLatin1Char(')')) {
                call.start = start;
                call.end = i + 1;
                call.argument = QStringView(text).mid(argumentStart, i - argumentStart);
                return true;
            }
        }
    }
    return false;
}

// An `@import` directive as the expression `@import[\s|\t]+(.*)` finds it: blanks (line ends
// and '|' included) after the keyword, then the argument up to the end of its line. Searched by
// hand because a regular-expression match re-validates the whole (large) sheet on every call.
struct Directive {
    int start = -1;
    int argumentStart = -1;
    int end = -1;
};

bool findImport(const QString& text, int from, Directive& directive)
{
    const QLatin1String keyword("@import");
    for (int start = text.indexOf(keyword, from); start >= 0; start = text.indexOf(keyword, start + 1)) {
        int position = start + keyword.size();
        while (position < text.size() && (text.at(position).isSpace() || text.at(position) == QLatin1Char('|')))
            ++position;
        if (position == start + keyword.size())
            continue;
        const int lineEnd = text.indexOf(QLatin1Char('\n'), position);
        directive.start = start;
        directive.argumentStart = position;
        directive.end = lineEnd < 0 ? text.size() : lineEnd;
        return true;
    }
    return false;
}

const QLatin1String varOpening("var(");
const QLatin1String iconOpening("icon(");

bool containsVarCall(const QString& text)
{
    Call call;
    return findCall(text, varOpening, 0, call);
}

// Whether the file (not a link) already holds exactly these bytes. Replacing a file costs far more
// than reading it (the file system flushes on a rename over an existing file), and themes are
// parsed again and again with the same icons.
bool hasContent(const QFileInfo& info, const QByteArray& data)
{
    if (info.isSymLink() || !info.isFile() || info.size() != data.size())
        return false;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // In slices: the inspection copy of a large sheet is megabytes.
    constexpr qint64 sliceSize = 64 * 1024;
    for (qint64 offset = 0; offset < data.size(); offset += sliceSize) {
        const QByteArray slice = file.read(sliceSize);
        if (slice.isEmpty() || std::memcmp(slice.constData(), data.constData() + offset, size_t(slice.size())) != 0)
            return false;
    }
    return true;
}

// Replaces the file in one step: the data goes to a fresh file beside it (created exclusively)
// that is then renamed over the destination, so a link planted there is replaced, not followed,
// and readers never see half a file.
bool writeFileAtomically(const QString& path, const QByteArray& data)
{
    const QFileInfo info(path);
    if (hasContent(info, data))
        return true;
    QTemporaryFile temporary(info.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    if (!temporary.open() || temporary.write(data) != data.size() || !temporary.flush())
        return false;
    temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    const QByteArray from = QFile::encodeName(temporary.fileName());
    const QByteArray to = QFile::encodeName(path);
    if (std::rename(from.constData(), to.constData()) != 0) {
        // Windows does not rename over an existing file.
        if (!QFile::remove(path) || std::rename(from.constData(), to.constData()) != 0)
            return false;
    }
    temporary.setAutoRemove(false);
    return true;
}

// Removes sorted, disjoint ranges [start, end) in place: the sheet is megabytes, and a copy of it
// costs more in fresh memory than the removal itself.
void removeRanges(QString& text, const QVector<QPair<int, int>>& ranges)
{
    QChar* data = text.data();
    int kept = ranges.first().first;
    for (int i = 0; i < ranges.size(); ++i) {
        const int from = ranges.at(i).second;
        const int to = i + 1 < ranges.size() ? ranges.at(i + 1).first : text.size();
        std::memmove(data + kept, data + from, size_t(to - from) * sizeof(QChar));
        kept += to - from;
    }
    text.truncate(kept);
}

// Each pass over the sheet copies it into a second buffer as large as itself. Fresh memory is
// expensive to fault in (several microseconds a page on virtual machines), so the storage of the
// last such buffer on this thread is kept for the next pass and the next parse.
QString& recycledScratch()
{
    static thread_local QString scratch;
    return scratch;
}

// The declarations of a :root block: a line feed ends one, and so does a ';' outside quotes and
// parentheses, so `--a: x; --b: y;` on one line declares two variables as CSS reads it. A quote or
// parenthesis left open (an apostrophe in `--nota: l'app;`) ends with its line: it must not
// swallow the declarations below it.
QStringList declarationsOf(const QString& content)
{
    QStringList declarations;
    QString current;
    QChar quote;
    int depth = 0;
    for (const QChar c : content) {
        const bool ends = c == QLatin1Char('\n') || (c == QLatin1Char(';') && quote.isNull() && depth == 0);
        if (ends) {
            declarations.append(current);
            current.clear();
            quote = QChar();
            depth = 0;
            continue;
        }
        if (!quote.isNull())
            quote = c == quote ? QChar() : quote;
        else if (c == QLatin1Char('"') || c == QLatin1Char('\''))
            quote = c;
        else if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            depth = qMax(0, depth - 1);
        current.append(c);
    }
    declarations.append(current);
    return declarations;
}

// A style sheet must be UTF-8: bytes that are not would reach Qt as replacement characters and
// break selectors and values without a word.
bool decodeUtf8(const QByteArray& bytes, QString& text)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QTextCodec::ConverterState state;
    text = QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
#else
    // Stateless: a sequence cut short at the end is an error too, not kept for more input.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = decoder.decode(bytes);
    return !decoder.hasError();
#endif
}

// The file an `@import` directive names: its argument without blanks, `url('…')` unwrapped.
QString importArgument(const QString& captured)
{
    static const QRegularExpression urlExpression(QStringLiteral("url\\([\"|'](.+)[\"|']\\)"));
    const QString argument = compact(captured);
    const QRegularExpressionMatch url = urlExpression.match(argument);
    return url.hasMatch() ? compact(url.captured(1)) : argument;
}

QString importPath(const QString& folder, const QString& argument)
{
    if (!QDir::isRelativePath(argument))
        return argument;
    const QFileInfo candidate(QStringLiteral("%1/%2").arg(folder, argument));
    return candidate.exists() ? candidate.absoluteFilePath() : argument;
}

} // namespace

struct ZCQssParser::IconCall {
    QString name;
    QSize size;
    ZCGestorTemasEstilo::EEstadoIcono state;

    explicit IconCall(QStringView argument)
    {
        const QList<QStringView> parts = argument.split(QLatin1Char(','));
        name = parts.value(0).trimmed().toString();
        size = QSize(parts.value(1).trimmed().toInt(), parts.value(2).trimmed().toInt());
        state = GetEstadoIcono(parts.value(3).trimmed().toString());
    }
};

ZCQssParser::ZCQssParser(const QString& fileName)
    : m_fileName(fileName)
{
}

ZCQssParser::ZCQssParser(const ZCQssParser& other) = default;

ZCQssParser& ZCQssParser::operator=(const ZCQssParser& other) = default;

ZCQssParser::~ZCQssParser() = default;

const QString& ZCQssParser::GetStyleSheet() const
{
    return m_styleSheet;
}

QString ZCQssParser::GetErrors() const
{
    return m_errors.join(QStringLiteral(" - "));
}

void ZCQssParser::addError(const QString& message)
{
    m_errors.append(message);
}

void ZCQssParser::Init()
{
    m_styleSheet.clear();
    m_errors.clear();
}

bool ZCQssParser::Parse()
{
    Init();
    if (!ParseImports() || !ResolveVariables() || !ResolverIconos())
        return false;
    writeInspectionCopy();
    return true;
}

void ZCQssParser::writeInspectionCopy() const
{
    // For people editing a theme: the sheet exactly as Qt receives it. A failure is harmless.
    const QString path = QStringLiteral("%1/%2_qss.css")
                             .arg(QDir::tempPath(), QCoreApplication::applicationName());
    writeFileAtomically(path, m_styleSheet.toUtf8());
}

bool ZCQssParser::ParseImports()
{
    QFile mainFile(m_fileName);
    if (!mainFile.open(QIODevice::ReadOnly)) {
        addError(tr("El fichero %1 no existe o no puede abrirse").arg(m_fileName));
        return false;
    }
    if (!decodeUtf8(mainFile.readAll(), m_styleSheet)) {
        addError(tr("Error. El fichero %1 no está codificado en UTF-8").arg(m_fileName));
        return false;
    }

    const QString folder = QFileInfo(m_fileName).absolutePath();
    int passes = 0;
    // Text before an expanded directive holds no directive, so the next search starts there.
    Directive directive;
    bool found = findImport(m_styleSheet, 0, directive);
    QStringList chain;
    QSet<QString> followed;
    if (found && !followImports(m_fileName, folder, chain, followed))
        return false;
    while (found) {
        const QString captured = m_styleSheet.mid(directive.argumentStart, directive.end - directive.argumentStart);
        const QString argument = importArgument(captured);
        if (argument.isEmpty()) {
            addError(tr("Error. Directiva import mal formada: %1").arg(captured));
            return false;
        }
        const QString path = importPath(folder, argument);
        QFile imported(path);
        if (!imported.open(QIODevice::ReadOnly)) {
            addError(tr("Error: El fichero %1 no existe").arg(path));
            return false;
        }
        QString content;
        if (!decodeUtf8(imported.readAll(), content)) {
            addError(tr("Error. El fichero %1 no está codificado en UTF-8").arg(path));
            return false;
        }
        m_styleSheet.replace(directive.start, directive.end - directive.start, content);
        found = findImport(m_styleSheet, directive.start, directive);
        if (found && ++passes > maxImportPasses) {
            addError(tr("Error. Imports máximos excedidos"));
            return false;
        }
    }
    return true;
}

bool ZCQssParser::followImports(const QString& path, const QString& folder, QStringList& chain,
                                QSet<QString>& followed)
{
    // File by file, before anything is expanded: a cycle would otherwise only show as too many
    // imports, without a word of the files that form it. Unreadable files are left to the
    // expansion, which names them.
    const QString file = QFileInfo(path).canonicalFilePath();
    if (file.isEmpty() || followed.contains(file))
        return true;
    if (chain.contains(file)) {
        const QStringList cycle = chain.mid(chain.indexOf(file)) << file;
        addError(tr("Error. Importación circular: %1").arg(cycle.join(QStringLiteral(" -> "))));
        return false;
    }
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly))
        return true;
    const QString text = QString::fromUtf8(source.readAll());
    chain.append(file);
    Directive directive;
    for (bool found = findImport(text, 0, directive); found; found = findImport(text, directive.end, directive)) {
        const QString argument = importArgument(text.mid(directive.argumentStart, directive.end - directive.argumentStart));
        if (!argument.isEmpty() && !followImports(importPath(folder, argument), folder, chain, followed))
            return false;
    }
    chain.removeLast();
    followed.insert(file);
    return true;
}

bool ZCQssParser::LoadVariables()
{
    static const QRegularExpression rootExpression(QStringLiteral(":root\\s*{(.*?)}"),
                                                   QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression commentExpression(QStringLiteral("\\/\\*(.*?)\\*\\/"),
                                                      QRegularExpression::DotMatchesEverythingOption);
    // The first block declares the variables; every block is removed from the sheet.
    QString content;
    QVector<QPair<int, int>> blocks;
    for (auto it = rootExpression.globalMatch(m_styleSheet); it.hasNext();) {
        const QRegularExpressionMatch root = it.next();
        if (blocks.isEmpty())
            content = root.captured(1);
        blocks.append({root.capturedStart(), root.capturedEnd()});
    }
    if (content.isEmpty())
        return true;
    removeRanges(m_styleSheet, blocks);
    content.remove(commentExpression);

    QStringList declared;
    const QStringList declarations = declarationsOf(content);
    for (const QString& declaration : declarations) {
        if (compact(declaration).isEmpty())
            continue;
        const int colon = declaration.indexOf(QLatin1Char(':'));
        if (colon < 0) {
            addError(tr("Error. Declaración de variables incorrecta. %1").arg(declaration.trimmed()));
            return false;
        }
        const QString name = compact(declaration.left(colon));
        m_variables.insert(name, variableValue(declaration.mid(colon + 1)));
        declared.append(name);
    }

    // Values may use other variables; each is expanded once, in any order, and stored final.
    for (const QString& name : qAsConst(declared)) {
        QString value;
        QSet<QString> resolving{name};
        if (!expandVariables(m_variables.value(name), value, resolving)) {
            const QString unresolved = tr("Error. Variables sin resolver");
            if (m_errors.isEmpty() || m_errors.last() != unresolved)
                addError(unresolved);
            return false;
        }
        m_variables.insert(name, value);
    }
    return true;
}

bool ZCQssParser::expandVariables(const QString& text, QString& result, QSet<QString>& resolving)
{
    // Truncated, not cleared: a buffer handed in keeps its storage for the next pass.
    result.truncate(0);
    result.reserve(text.size());
    int from = 0;
    Call call;
    // Only looked up, never stored: a view of the text saves one allocation per call.
    QString lookup;
    while (findCall(text, varOpening, from, call)) {
        result.append(QStringView(text).mid(from, call.start - from));
        const QStringView trimmed = call.argument.trimmed();
        lookup.setRawData(trimmed.data(), int(trimmed.size()));
        const auto variable = m_variables.constFind(lookup);
        if (variable == m_variables.constEnd()) {
            addError(tr("Error. La variable %1 no está definida previamente").arg(trimmed));
            return false;
        }
        const QString name = variable.key();
        QString value = variable.value();
        if (containsVarCall(value)) {
            // A variable met again while it is being expanded is a cycle, which would never end.
            if (resolving.contains(name) || resolving.size() >= maxVariableDepth) {
                addError(tr("Error. Variables sin resolver"));
                return false;
            }
            resolving.insert(name);
            QString expanded;
            if (!expandVariables(value, expanded, resolving))
                return false;
            resolving.remove(name);
            m_variables.insert(name, expanded);
            value = expanded;
        }
        result.append(value);
        from = call.end;
    }
    result.append(QStringView(text).mid(from));
    return true;
}

bool ZCQssParser::ResolveVariables(QString& text)
{
    QSet<QString> resolving;
    QString& resolved = recycledScratch();
    if (!expandVariables(text, resolved, resolving))
        return false;
    // The old text's storage becomes the scratch of the next pass.
    qSwap(text, resolved);
    return true;
}

bool ZCQssParser::ResolveVariables()
{
    if (!LoadVariables())
        return false;
    // One pass resolves everything unless a value completes a `var(` written around it.
    for (int pass = 0; pass <= maxVariablePasses; ++pass) {
        if (!ResolveVariables(m_styleSheet))
            return false;
        if (!containsVarCall(m_styleSheet))
            return true;
    }
    addError(tr("Error. Resolviendo variables"));
    return false;
}

ZCGestorTemasEstilo::EEstadoIcono ZCQssParser::GetEstadoIcono(const QString& name)
{
    const QString lower = name.toLower();
    for (int state = 0; state < 4; ++state) {
        if (lower == stateNames[state])
            return static_cast<ZCGestorTemasEstilo::EEstadoIcono>(state);
    }
    return ZCGestorTemasEstilo::EstadoNormal;
}

QString ZCQssParser::GetFilenameIcon(const QString& name, const QSize& size,
                                     ZCGestorTemasEstilo::EEstadoIcono state)
{
    return QStringLiteral("%1_%2_%3_%4.png")
        .arg(name)
        .arg(size.width())
        .arg(size.height())
        .arg(stateNames[state]);
}

bool ZCQssParser::isValidIconCall(const IconCall& call)
{
    // The name becomes part of a file path: it must stay inside the generated-icon folder.
    if (call.name.contains(QLatin1Char('/')) || call.name.contains(QLatin1Char('\\'))
        || call.name.contains(QLatin1String(".."))) {
        addError(tr("Error. El nombre de icono %1 no es válido").arg(call.name));
        return false;
    }
    const auto outOfRange = [](int side) { return side < 0 || side > maxIconSide; };
    if (outOfRange(call.size.width()) || outOfRange(call.size.height())) {
        addError(tr("Error. El tamaño %1x%2 del icono %3 está fuera del rango de 0 a %4")
                     .arg(call.size.width())
                     .arg(call.size.height())
                     .arg(call.name)
                     .arg(maxIconSide));
        return false;
    }
    return true;
}

QString ZCQssParser::iconUrl(const IconCall& call, const QString& folder, QSet<QString>& attempted,
                             QStringList& written, bool& allWritten)
{
    const QString path = QStringLiteral("%1/%2").arg(folder, GetFilenameIcon(call.name, call.size, call.state));
    const bool writable = !folder.isEmpty() && !folder.startsWith(QLatin1Char(':'));
    if (!isValidIconCall(call)) {
        allWritten = false;
    } else if (writable && !attempted.contains(path)) {
        attempted.insert(path);
        if (WriteIcon(path, call.name, call.size, call.state))
            written.append(path);
        else
            allWritten = false;
    }
    return QStringLiteral("url(%1)").arg(path);
}

bool ZCQssParser::ResolverIconos()
{
    Call call;
    if (!findCall(m_styleSheet, iconOpening, 0, call))
        return true;

    const QString folder = GetGestorTemasEstilo()->GetCurrentTema().GetPathIconosCSS();
    QSet<QString> attempted;
    QStringList written;
    bool allWritten = true;
    // One pass: a call is replaced where it stands and the URLs put in are never searched again
    // (a folder name holding "icon(" would otherwise be expanded without end).
    QHash<QString, QString> urls;
    QString& result = recycledScratch();
    result.truncate(0);
    result.reserve(m_styleSheet.size());
    int from = 0;
    do {
        result.append(QStringView(m_styleSheet).mid(from, call.start - from));
        const QString text = m_styleSheet.mid(call.start, call.end - call.start);
        auto url = urls.constFind(text);
        if (url == urls.constEnd())
            url = urls.insert(text, iconUrl(IconCall(call.argument), folder, attempted, written, allWritten));
        result.append(url.value());
        from = call.end;
    } while (findCall(m_styleSheet, iconOpening, from, call));
    result.append(QStringView(m_styleSheet).mid(from));
    qSwap(m_styleSheet, result);

    if (!written.isEmpty())
        WriteQrc(written, folder);
    return allWritten;
}

namespace {

// The size a size-less icon() renders at: the drawing's own, the missing side following its
// proportions, never beyond the largest side icon() accepts.
QSize renderSize(const QString& svgPath, const QIcon& icon, const QSize& requested)
{
    if (!requested.isEmpty())
        return requested;
    // No drawing of the theme's: the icon comes from Qt's icon theme.
    QSize natural = svgPath.isEmpty() ? QSize() : QSvgRenderer(svgPath).defaultSize();
    if (natural.isEmpty() && !icon.availableSizes().isEmpty())
        natural = icon.availableSizes().constLast();
    if (natural.isEmpty())
        return requested;
    if (requested.width() > 0)
        natural = natural.scaled(requested.width(), maxIconSide * 64, Qt::KeepAspectRatio);
    else if (requested.height() > 0)
        natural = natural.scaled(maxIconSide * 64, requested.height(), Qt::KeepAspectRatio);
    if (natural.width() > maxIconSide || natural.height() > maxIconSide)
        natural.scale(maxIconSide, maxIconSide, Qt::KeepAspectRatio);
    return natural;
}

} // namespace

bool ZCQssParser::WriteIcon(const QString& path, const QString& name, const QSize& size,
                            ZCGestorTemasEstilo::EEstadoIcono state)
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    const QIcon icon = manager->FromTheme(name, state);
    if (icon.isNull()) {
        addError(tr("Error intentando generar en caché de disco el icono %1. No se ha encontrado el "
                    "icono en el tema %2")
                     .arg(name, manager->GetCurrentTema().GetNombre()));
        return false;
    }

    // Rendered and encoded before the file is touched: a failure leaves the old PNG in place.
    // A style sheet draws a file at its own pixel size, so the image has exactly the size asked
    // for at any device pixel ratio. Qt 5 renders at the screen's ratio (the application asks
    // for high-DPI pixmaps there): its larger image is brought down to that size.
    const QSize pixelSize = renderSize(manager->GetPathFromTheme(name), icon, size);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QImage image = icon.pixmap(pixelSize, 1.0).toImage();
#else
    QImage image = icon.pixmap(pixelSize).toImage();
    if (image.devicePixelRatio() != 1.0) {
        const QSize shown = (QSizeF(image.size()) / image.devicePixelRatio()).toSize();
        image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(1.0);
    }
#endif
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        addError(tr("Error convirtiendo el icono en png: %1").arg(path));
        return false;
    }

    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder) || !writeFileAtomically(path, png)) {
        addError(tr("Error intentando escribir en disco el fichero: %1").arg(path));
        return false;
    }
    return true;
}

bool ZCQssParser::WriteQrc(const QStringList& paths, const QString& folder)
{
    QDomDocument document;
    QDomElement rcc = document.createElement(QStringLiteral("RCC"));
    QDomElement resource = document.createElement(QStringLiteral("qresource"));
    document.appendChild(rcc);
    rcc.appendChild(resource);
    for (const QString& path : paths) {
        QDomElement file = document.createElement(QStringLiteral("file"));
        file.appendChild(document.createTextNode(path));
        resource.appendChild(file);
    }
    const QString fileName = QStringLiteral("%1/qrc_icons.qrc").arg(folder);
    if (!writeFileAtomically(fileName, document.toByteArray(1))) {
        qWarning().noquote()
            << tr("No se ha podido generar de manera automática el fichero de recursos: %1").arg(fileName);
        return false;
    }
    return true;
}
