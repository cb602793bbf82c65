#include "storage/Database.h"

#include "common/Clock.h"
#include "common/Numbers.h"
#include "storage/JetDate.h"
#include "storage/JetTranslator.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

#include <cmath>
#include <cstring>

namespace {

const char* const triggerPrefix = "jet_rules_";

// ---- Value helpers -------------------------------------------------------

enum class Render { ByValue, Integer, Single, Double, DateTime, Bit, Text };

Render renderOf(const QString& declType)
{
    if (declType.isEmpty())
        return Render::ByValue;
    if (declType.contains(u"BIT") || declType.contains(u"BOOL") || declType.contains(u"YESNO"))
        return Render::Bit;
    if (declType.contains(u"DATE") || declType.contains(u"TIME"))
        return Render::DateTime;
    if (declType.contains(u"SINGLE") || declType.contains(u"FLOAT") || declType.contains(u"REAL"))
        return Render::Single;
    if (declType.contains(u"DOUB") || declType.contains(u"DEC") || declType.contains(u"NUMERIC")
        || declType.contains(u"CURRENCY") || declType.contains(u"MONEY"))
        return Render::Double;
    if (declType.contains(u"INT") || declType.contains(u"SHORT") || declType.contains(u"LONG")
        || declType.contains(u"BYTE") || declType.contains(u"COUNTER"))
        return Render::Integer;
    if (declType.contains(u"CHAR") || declType.contains(u"TEXT") || declType.contains(u"MEMO")
        || declType.contains(u"CLOB"))
        return Render::Text;
    return Render::ByValue;
}

double valueToNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::LongLong:
        return static_cast<double>(v.toLongLong());
    case QMetaType::Double:
        return v.toDouble();
    case QMetaType::QString:
        return textToNumber(v.toString());
    default:
        return 0.0;
    }
}

QDateTime valueToDateTime(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Double:
        return JetDate::fromOleDate(v.toDouble());
    case QMetaType::QString:
        return JetDate::parse(v.toString(), Clock::current().now().date().year());
    default:
        return {};
    }
}

bool textIsTrue(const QString& text, bool* ok)
{
    const QString t = text.trimmed();
    *ok = true;
    if (t.compare(u"true", Qt::CaseInsensitive) == 0 || t.compare(u"yes", Qt::CaseInsensitive) == 0
        || t.compare(u"on", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(u"false", Qt::CaseInsensitive) == 0 || t.compare(u"no", Qt::CaseInsensitive) == 0
        || t.compare(u"off", Qt::CaseInsensitive) == 0)
        return false;
    if (isFiniteNumberText(t))
        return textToNumber(t) != 0.0;
    *ok = false;
    return false;
}

QString eightDecimals(double value) { return QString::number(value, 'f', 8); }

QString renderText(const QVariant& v, const QString& declType)
{
    if (v.isNull())
        return {};
    switch (renderOf(declType)) {
    case Render::Integer:
        if (v.typeId() == QMetaType::LongLong)
            return QString::number(v.toLongLong());
        if (v.typeId() == QMetaType::Double)
            return QString::number(std::llround(v.toDouble()));
        return v.toString();
    case Render::Single:
        if (v.typeId() == QMetaType::QString && !isFiniteNumberText(v.toString()))
            return v.toString();
        return QString::number(static_cast<double>(static_cast<float>(valueToNumber(v))), 'f', 4);
    case Render::Double:
        if (v.typeId() == QMetaType::QString && !isFiniteNumberText(v.toString()))
            return v.toString();
        return eightDecimals(valueToNumber(v));
    case Render::DateTime: {
        if (v.typeId() == QMetaType::QString && JetDate::isCanonical(v.toString()))
            return v.toString();
        const QDateTime time = valueToDateTime(v);
        return time.isValid() ? JetDate::canonical(time) : v.toString();
    }
    case Render::Bit: {
        if (v.typeId() == QMetaType::QString) {
            bool ok = false;
            const bool truth = textIsTrue(v.toString(), &ok);
            if (!ok)
                return v.toString();
            return truth ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        }
        return valueToNumber(v) != 0.0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    }
    case Render::Text:
    case Render::ByValue:
        break;
    }
    if (v.typeId() == QMetaType::LongLong)
        return QString::number(v.toLongLong());
    if (v.typeId() == QMetaType::Double)
        return eightDecimals(v.toDouble());
    return v.toString();
}

// ---- SQL functions -------------------------------------------------------

QString argText(sqlite3_value* v)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return text ? QString::fromUtf8(text, sqlite3_value_bytes(v)) : QString();
}

QDateTime argDateTime(sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return JetDate::fromOleDate(sqlite3_value_double(v));
    case SQLITE_TEXT:
        return JetDate::parse(argText(v), Clock::current().now().date().year());
    default:
        return {};
    }
}

double argNumber(sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return sqlite3_value_double(v);
    default:
        return textToNumber(argText(v));
    }
}

void resultText(sqlite3_context* ctx, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    sqlite3_result_text(ctx, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
}

// NULL, and text that is blank, stay without a value in a number column.
bool argEmpty(sqlite3_value* v)
{
    const int type = sqlite3_value_type(v);
    return type == SQLITE_NULL || (type == SQLITE_TEXT && argText(v).trimmed().isEmpty());
}

void fnCdate(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QDateTime time = argDateTime(argv[0]);
    if (time.isValid())
        resultText(ctx, JetDate::canonical(time));
    else
        sqlite3_result_null(ctx);
}

void fnFormat(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    // Fast path for the report patterns on a stored (canonical) date: a prefix.
    if (sqlite3_value_type(argv[0]) == SQLITE_TEXT && sqlite3_value_bytes(argv[0]) == 19) {
        const auto* value = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        const auto* pattern = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
        int prefix = 0;
        if (pattern && std::strcmp(pattern, "yyyy") == 0)
            prefix = 4;
        else if (pattern && std::strcmp(pattern, "yyyy-mm") == 0)
            prefix = 7;
        else if (pattern && std::strcmp(pattern, "yyyy-mm-dd") == 0)
            prefix = 10;
        if (prefix > 0 && JetDate::isCanonical(QString::fromLatin1(value, 19))) {
            sqlite3_result_text(ctx, value, prefix, SQLITE_TRANSIENT);
            return;
        }
    }
    const QDateTime time = argDateTime(argv[0]);
    if (!time.isValid()) {
        sqlite3_result_value(ctx, argv[0]);
        return;
    }
    resultText(ctx, JetDate::format(time, argText(argv[1])));
}

void fnSingle(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (argEmpty(argv[0]))
        sqlite3_result_null(ctx);
    else
        sqlite3_result_double(ctx, static_cast<double>(static_cast<float>(argNumber(argv[0]))));
}

void fnDouble(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (argEmpty(argv[0]))
        sqlite3_result_null(ctx);
    else
        sqlite3_result_double(ctx, argNumber(argv[0]));
}

void fnInteger(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (argEmpty(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) {
        sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
        return;
    }
    const double rounded = roundHalfAway(argNumber(argv[0]), 0);
    sqlite3_result_int64(ctx, std::isfinite(rounded) ? static_cast<sqlite3_int64>(rounded) : 0);
}

void fnBit(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
        sqlite3_result_null(ctx);
        return;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        sqlite3_result_int(ctx, sqlite3_value_double(argv[0]) != 0.0 ? 1 : 0);
        return;
    default: {
        bool ok = false;
        sqlite3_result_int(ctx, textIsTrue(argText(argv[0]), &ok) ? 1 : 0);
        return;
    }
    }
}

// ---- Column rules --------------------------------------------------------

// The coercion of NEW.column for a declared type; empty when the type needs none.
QString coercion(const QString& declType, const QString& column)
{
    const QString value = QStringLiteral("NEW.") + sqlName(column);
    switch (renderOf(declType.toUpper())) {
    case Render::DateTime:
        return QStringLiteral("jet_cdate(") + value + u')';
    case Render::Single:
        return QStringLiteral("jet_single(") + value + u')';
    case Render::Double:
        if (declType.toUpper().contains(u"DEC"))
            return QStringLiteral("jet_integer(") + value + u')';
        return QStringLiteral("jet_double(") + value + u')';
    case Render::Integer:
        return QStringLiteral("jet_integer(") + value + u')';
    case Render::Bit:
        return QStringLiteral("jet_bit(") + value + u')';
    default:
        return {};
    }
}

// Splits the column list of a CREATE TABLE statement at its top-level commas.
bool splitCreate(const QString& sql, QString* head, QStringList* parts, QString* tail)
{
    const qsizetype open = sql.indexOf(u'(');
    if (open < 0)
        return false;
    int depth = 0;
    QChar quote;
    qsizetype start = open + 1;
    for (qsizetype i = open; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"' || c == u'`') {
            quote = c;
        } else if (c == u'[') {
            quote = u']';
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            if (--depth == 0) {
                parts->append(sql.mid(start, i - start));
                *head = sql.left(open);
                *tail = sql.mid(i + 1);
                return true;
            }
        } else if (c == u',' && depth == 1) {
            parts->append(sql.mid(start, i - start));
            start = i + 1;
        }
    }
    return false;
}

// Splits one column definition into its name and the position range of its type.
bool columnDefinition(const QString& def, QString* name, qsizetype* typeStart, qsizetype* typeEnd)
{
    qsizetype i = 0;
    while (i < def.size() && def[i].isSpace())
        ++i;
    if (i >= def.size())
        return false;
    const QChar first = def[i];
    qsizetype nameEnd;
    if (first == u'"' || first == u'`' || first == u'[') {
        const QChar close = first == u'[' ? u']' : first;
        nameEnd = def.indexOf(close, i + 1);
        if (nameEnd < 0)
            return false;
        *name = def.mid(i + 1, nameEnd - i - 1);
        ++nameEnd;
    } else {
        nameEnd = i;
        while (nameEnd < def.size() && !def[nameEnd].isSpace())
            ++nameEnd;
        *name = def.mid(i, nameEnd - i);
    }
    // The type: words and one parenthesized group up to the first constraint keyword.
    static const QStringList constraints = {QStringLiteral("CONSTRAINT"), QStringLiteral("PRIMARY"),
        QStringLiteral("NOT"), QStringLiteral("NULL"), QStringLiteral("UNIQUE"),
        QStringLiteral("CHECK"), QStringLiteral("DEFAULT"), QStringLiteral("COLLATE"),
        QStringLiteral("REFERENCES"), QStringLiteral("GENERATED"), QStringLiteral("AS")};
    qsizetype p = nameEnd;
    while (p < def.size() && def[p].isSpace())
        ++p;
    *typeStart = p;
    *typeEnd = p;
    while (p < def.size()) {
        while (p < def.size() && def[p].isSpace())
            ++p;
        if (p >= def.size())
            break;
        if (def[p] == u'(') {
            const qsizetype close = def.indexOf(u')', p);
            if (close < 0)
                return false;
            p = close + 1;
            *typeEnd = p;
            continue;
        }
        qsizetype wordEnd = p;
        while (wordEnd < def.size() && (def[wordEnd].isLetterOrNumber() || def[wordEnd] == u'_'))
            ++wordEnd;
        if (wordEnd == p)
            break;
        if (constraints.contains(def.mid(p, wordEnd - p).toUpper()))
            break;
        p = wordEnd;
        *typeEnd = p;
    }
    return true;
}

QString normalizedType(const QString& type)
{
    QString t = type.simplified().toUpper();
    t.remove(u' ');
    return t;
}

} // namespace

// ---- Database ----------------------------------------------------------------

Database::Database() = default;

Database::~Database() { close(); }

void Database::setError(const QString& message) { m_error = message; }

bool Database::open(const QString& path)
{
    close();
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        setError(QStringLiteral("数据库文件不存在：") + path);
        return false;
    }
    if (info.size() == 0) {
        setError(QStringLiteral("数据库文件是空的：") + path);
        return false;
    }
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            setError(QStringLiteral("数据库文件无法读取：") + path);
            return false;
        }
        if (file.read(16) != QByteArray("SQLite format 3\0", 16)) {
            setError(QStringLiteral("不是本程序的数据库文件：") + path);
            return false;
        }
    }
    const QByteArray file = path.toUtf8();
    // Read-only first: a file that is not our database is never written.
    sqlite3* probe = nullptr;
    int rc = sqlite3_open_v2(file.constData(), &probe, SQLITE_OPEN_READONLY, nullptr);
    bool ours = false;
    if (rc == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        rc = sqlite3_prepare_v2(probe,
            "select count(*) from sqlite_master where type='table' and name='记录'", -1, &stmt,
            nullptr);
        if (rc == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
            ours = sqlite3_column_int(stmt, 0) > 0;
        if (rc != SQLITE_OK || !ours)
            setError(QStringLiteral("不是本程序的数据库文件：") + QString::fromUtf8(sqlite3_errmsg(probe)));
        sqlite3_finalize(stmt);
    } else {
        setError(QStringLiteral("数据库打开失败：") + QString::fromUtf8(sqlite3_errstr(rc)));
    }
    sqlite3_close_v2(probe);
    if (!ours)
        return false;

    return openConnection(path, SQLITE_OPEN_READWRITE, QStringLiteral("数据库打开失败：")) && applyColumnRules();
}

bool Database::create(const QString& path)
{
    close();
    if (QFileInfo::exists(path)) {
        setError(QStringLiteral("文件已存在：") + path);
        return false;
    }
    if (openConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXCLUSIVE,
                QStringLiteral("数据库创建失败："))) {
        return true;
    }
    QFile::remove(path);
    return false;
}

bool Database::openConnection(const QString& path, int flags, const QString& failure)
{
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        setError(failure + QString::fromUtf8(sqlite3_errstr(rc)));
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        return false;
    }
    if (!configure()) {
        const QString error = m_error;
        close();
        setError(error);
        return false;
    }
    return true;
}

bool Database::configure()
{
    sqlite3_busy_timeout(m_db, 2000);
    sqlite3_extended_result_codes(m_db, 1);
    // "name" is always a name: a missing column must fail, not read as a text
    // (the start-up probes a column with "Select [备注] from [存单]").
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    registerFunctions();
    return exec(QStringLiteral("PRAGMA journal_mode=WAL")) && exec(QStringLiteral("PRAGMA synchronous=FULL"))
        && exec(QStringLiteral("PRAGMA foreign_keys=OFF"))
        && exec(QStringLiteral("PRAGMA recursive_triggers=OFF"));
}

void Database::registerFunctions()
{
    struct Fn {
        const char* name;
        int args;
        void (*call)(sqlite3_context*, int, sqlite3_value**);
        bool deterministic;
    };
    static const Fn functions[] = {
        {"jet_cdate", 1, fnCdate, false}, // month-day texts read the current year
        {"jet_format", 2, fnFormat, false},
        {"jet_single", 1, fnSingle, true},
        {"jet_double", 1, fnDouble, true},
        {"jet_integer", 1, fnInteger, true},
        {"jet_bit", 1, fnBit, true},
    };
    for (const Fn& fn : functions) {
        const int flags = SQLITE_UTF8 | (fn.deterministic ? SQLITE_DETERMINISTIC : 0);
        sqlite3_create_function_v2(m_db, fn.name, fn.args, flags, nullptr, fn.call, nullptr, nullptr, nullptr);
    }
}

void Database::close()
{
    closeQuery();
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

bool Database::isOpen() const { return m_db != nullptr; }

bool Database::exec(const QString& sqlite)
{
    if (!m_db) {
        setError(QStringLiteral("数据库未打开"));
        return false;
    }
    const QByteArray sql = sqlite.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql.constData(), static_cast<int>(sql.size()), &stmt, &tail);
    if (rc != SQLITE_OK) {
        setError(QString::fromUtf8(sqlite3_errmsg(m_db)));
        return false;
    }
    if (!stmt) {
        setError(QStringLiteral("空语句"));
        return false;
    }
    for (const char* p = tail; p && *p; ++p) {
        if (*p != ';' && *p != ' ' && *p != '\t' && *p != '\r' && *p != '\n') {
            sqlite3_finalize(stmt);
            setError(QStringLiteral("语句后面还有多余的内容：") + QString::fromUtf8(p));
            return false;
        }
    }
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        setError(QString::fromUtf8(sqlite3_errmsg(m_db)));
        sqlite3_finalize(stmt);
        return false;
    }
    const bool inserted = sqlite3_stmt_readonly(stmt) == 0
        && sqlite.trimmed().startsWith(QLatin1String("insert"), Qt::CaseInsensitive);
    sqlite3_finalize(stmt);
    if (inserted)
        m_lastInsertId = sqlite3_last_insert_rowid(m_db);
    return true;
}

bool Database::execute(const QString& statement)
{
    const JetTranslation t = translateJet(statement);
    if (t.kind == JetTranslation::Kind::AlterColumn)
        return runAlterColumn(t.table, t.column, t.type);
    if (!exec(t.sql))
        return false;
    // A new table or column gets its rules at once.
    const QString head = t.sql.trimmed().left(12).toUpper();
    if (head.startsWith(QLatin1String("CREATE TABLE")) || head.startsWith(QLatin1String("ALTER TABLE")))
        return applyColumnRules();
    return true;
}

bool Database::executeScript(const QString& sqliteScript)
{
    if (!m_db) {
        setError(QStringLiteral("数据库未打开"));
        return false;
    }
    char* message = nullptr;
    const int rc = sqlite3_exec(m_db, sqliteScript.toUtf8().constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        setError(message ? QString::fromUtf8(message) : QString::fromUtf8(sqlite3_errstr(rc)));
        sqlite3_free(message);
        return false;
    }
    return applyColumnRules();
}

// ---- Column rules ------------------------------------------------------------

bool Database::applyColumnRules()
{
    if (!m_db) {
        setError(QStringLiteral("数据库未打开"));
        return false;
    }
    // Wanted triggers by name.
    QStringList names;
    QStringList sqls;
    QStringList tables;
    {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(m_db,
            "select name from sqlite_master where type='table' and name not like 'sqlite\\_%' escape '\\'",
            -1, &stmt, nullptr);
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW)
            tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
    }
    for (const QString& table : tables) {
        QStringList columns;
        QStringList values;
        sqlite3_stmt* stmt = nullptr;
        const QByteArray pragma = (QStringLiteral("PRAGMA table_info(") + sqlName(table) + u')').toUtf8();
        sqlite3_prepare_v2(m_db, pragma.constData(), -1, &stmt, nullptr);
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
            const QString column = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
            const QString type = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2)));
            const bool key = sqlite3_column_int(stmt, 5) != 0;
            const QString value = key ? QString() : coercion(type, column);
            if (value.isEmpty())
                continue;
            columns << column;
            values << value;
        }
        sqlite3_finalize(stmt);
        if (columns.isEmpty())
            continue;
        QStringList sets;
        QStringList changed;
        QStringList badDates;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const QString col = sqlName(columns[i]);
            sets << col + u'=' + values[i];
            changed << QStringLiteral("NEW.") + col + QStringLiteral(" IS NOT ") + values[i];
            if (values[i].startsWith(QLatin1String("jet_cdate(")))
                badDates << u'(' + values[i] + QStringLiteral(" IS NULL AND trim(NEW.") + col
                        + QStringLiteral(")<>'')");
        }
        QString body;
        if (!badDates.isEmpty())
            body += QStringLiteral(" SELECT RAISE(ABORT,'类型不匹配：日期格式不正确') WHERE ")
                + badDates.join(QStringLiteral(" OR ")) + u';';
        body += QStringLiteral(" UPDATE ") + sqlName(table) + QStringLiteral(" SET ")
            + sets.join(u',') + QStringLiteral(" WHERE rowid=NEW.rowid;");
        const QString when = QStringLiteral(" WHEN ") + changed.join(QStringLiteral(" OR "));
        for (const char* event : {"INSERT", "UPDATE"}) {
            const QString name = QLatin1String(triggerPrefix) + QString::fromLatin1(event).toLower() + u'_' + table;
            names << name;
            sqls << QStringLiteral("CREATE TRIGGER ") + sqlName(name) + QStringLiteral(" AFTER ")
                    + QLatin1String(event) + QStringLiteral(" ON ") + sqlName(table) + when
                    + QStringLiteral(" BEGIN") + body + QStringLiteral(" END");
        }
    }
    // Existing rule triggers; only those that differ are replaced.
    QStringList existingNames;
    QStringList existingSqls;
    {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(m_db,
            "select name, sql from sqlite_master where type='trigger' and name like 'jet\\_rules\\_%' escape '\\'",
            -1, &stmt, nullptr);
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
            existingNames << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
            existingSqls << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
        }
        sqlite3_finalize(stmt);
    }
    QStringList work;
    for (qsizetype i = 0; i < existingNames.size(); ++i) {
        const qsizetype wanted = names.indexOf(existingNames[i]);
        if (wanted < 0 || sqls[wanted] != existingSqls[i])
            work << QStringLiteral("DROP TRIGGER ") + sqlName(existingNames[i]);
    }
    for (qsizetype i = 0; i < names.size(); ++i) {
        const qsizetype existing = existingNames.indexOf(names[i]);
        if (existing < 0 || existingSqls[existing] != sqls[i])
            work << sqls[i];
    }
    if (work.isEmpty())
        return true;
    if (!exec(QStringLiteral("SAVEPOINT jet_rules")))
        return false;
    for (const QString& sql : work) {
        if (!exec(sql)) {
            const QString error = m_error;
            exec(QStringLiteral("ROLLBACK TO jet_rules"));
            exec(QStringLiteral("RELEASE jet_rules"));
            setError(error);
            return false;
        }
    }
    return exec(QStringLiteral("RELEASE jet_rules"));
}

bool Database::runAlterColumn(const QString& table, const QString& column, const QString& type)
{
    if (!m_db) {
        setError(QStringLiteral("数据库未打开"));
        return false;
    }
    closeQuery(); // a pending read would lock the table against DROP
    const QString newType = jetDeclaredType(type);

    QString realTable;
    QString createSql;
    QStringList extras; // indexes and non-rule triggers, recreated after the rebuild
    {
        sqlite3_stmt* stmt = nullptr;
        const QByteArray name = table.toUtf8();
        sqlite3_prepare_v2(m_db,
            "select name, sql from sqlite_master where type='table' and name=?1 collate nocase", -1,
            &stmt, nullptr);
        sqlite3_bind_text(stmt, 1, name.constData(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(stmt) == SQLITE_ROW) {
            realTable = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
            createSql = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
        }
        sqlite3_finalize(stmt);
    }
    if (realTable.isEmpty()) {
        setError(QStringLiteral("表不存在：") + table);
        return false;
    }
    QString head;
    QString tail;
    QStringList defs;
    if (!splitCreate(createSql, &head, &defs, &tail)) {
        setError(QStringLiteral("无法读取表的定义：") + table);
        return false;
    }
    QStringList columnNames;
    bool found = false;
    for (QString& def : defs) {
        QString name;
        qsizetype typeStart = 0;
        qsizetype typeEnd = 0;
        if (!columnDefinition(def, &name, &typeStart, &typeEnd))
            continue;
        const QString upperFirst = name.toUpper();
        if (upperFirst == u"CONSTRAINT" || upperFirst == u"PRIMARY" || upperFirst == u"UNIQUE"
            || upperFirst == u"CHECK" || upperFirst == u"FOREIGN")
            continue; // a table constraint, not a column
        columnNames << name;
        if (name.compare(column, Qt::CaseInsensitive) != 0)
            continue;
        found = true;
        if (normalizedType(def.mid(typeStart, typeEnd - typeStart)) == normalizedType(newType))
            return true; // already of that type: nothing to do
        def = def.left(typeStart) + newType + (typeEnd < def.size() && !def[typeEnd].isSpace() ? u" " : u"")
            + def.mid(typeEnd);
    }
    if (!found) {
        setError(QStringLiteral("列不存在：") + column);
        return false;
    }
    {
        sqlite3_stmt* stmt = nullptr;
        const QByteArray name = realTable.toUtf8();
        sqlite3_prepare_v2(m_db,
            "select sql from sqlite_master where tbl_name=?1 and type in ('index','trigger') "
            "and sql is not null and name not like 'jet\\_rules\\_%' escape '\\'",
            -1, &stmt, nullptr);
        sqlite3_bind_text(stmt, 1, name.constData(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            extras << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
    }
    const QString temp = realTable + QStringLiteral("__jet_alter");
    QStringList quotedColumns;
    for (const QString& name : columnNames)
        quotedColumns << sqlName(name);
    const QString columnList = quotedColumns.join(u',');
    const QString sequence = QStringLiteral("select seq from sqlite_sequence where name=") + sqlLiteral(realTable);

    QStringList steps;
    steps << QStringLiteral("CREATE TABLE ") + sqlName(temp) + QStringLiteral(" (") + defs.join(u',') + u')' + tail;
    steps << QStringLiteral("INSERT INTO ") + sqlName(temp) + QStringLiteral(" (") + columnList
            + QStringLiteral(") SELECT ") + columnList + QStringLiteral(" FROM ") + sqlName(realTable);
    steps << QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS jet_alter_seq(seq INTEGER)");
    steps << QStringLiteral("DELETE FROM temp.jet_alter_seq");
    const bool autoincrement = createSql.contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive);
    if (autoincrement)
        steps << QStringLiteral("INSERT INTO temp.jet_alter_seq ") + sequence;
    steps << QStringLiteral("DROP TABLE ") + sqlName(realTable);
    steps << QStringLiteral("ALTER TABLE ") + sqlName(temp) + QStringLiteral(" RENAME TO ") + sqlName(realTable);
    if (autoincrement) {
        // The sequence keeps the higher of the old counter and the copied IDs.
        steps << QStringLiteral("UPDATE sqlite_sequence SET seq=max(seq,(select ifnull(max(seq),0) from "
                                "temp.jet_alter_seq)) WHERE name=")
                + sqlLiteral(realTable);
        steps << QStringLiteral("INSERT INTO sqlite_sequence(name,seq) SELECT ") + sqlLiteral(realTable)
                + QStringLiteral(",seq FROM temp.jet_alter_seq WHERE NOT EXISTS (select 1 from "
                                 "sqlite_sequence where name=")
                + sqlLiteral(realTable) + u')';
    }
    steps << extras;
    steps << QStringLiteral("DROP TABLE temp.jet_alter_seq");

    const qint64 lastId = m_lastInsertId;
    if (!exec(QStringLiteral("SAVEPOINT jet_alter")))
        return false;
    for (const QString& step : steps) {
        if (!exec(step)) {
            const QString error = m_error;
            exec(QStringLiteral("ROLLBACK TO jet_alter"));
            exec(QStringLiteral("RELEASE jet_alter"));
            m_lastInsertId = lastId;
            setError(error);
            return false;
        }
    }
    m_lastInsertId = lastId;
    if (!applyColumnRules()) {
        const QString error = m_error;
        exec(QStringLiteral("ROLLBACK TO jet_alter"));
        exec(QStringLiteral("RELEASE jet_alter"));
        setError(error);
        return false;
    }
    return exec(QStringLiteral("RELEASE jet_alter"));
}

// ---- Record set ----------------------------------------------------------------

bool Database::openQuery(const QString& statement)
{
    closeQuery();
    if (!m_db) {
        setError(QStringLiteral("数据库未打开"));
        return false;
    }
    const JetTranslation t = translateJet(statement);
    if (t.kind != JetTranslation::Kind::Sql) {
        setError(QStringLiteral("不是查询语句"));
        return false;
    }
    const QByteArray sql = t.sql.toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.constData(), static_cast<int>(sql.size()), &m_query, &tail) != SQLITE_OK) {
        setError(QString::fromUtf8(sqlite3_errmsg(m_db)));
        closeQuery();
        return false;
    }
    if (!m_query) {
        setError(QStringLiteral("空语句"));
        return false;
    }
    for (const char* p = tail; p && *p; ++p) {
        if (*p != ';' && *p != ' ' && *p != '\t' && *p != '\r' && *p != '\n') {
            setError(QStringLiteral("语句后面还有多余的内容：") + QString::fromUtf8(p));
            closeQuery();
            return false;
        }
    }
    const int count = sqlite3_column_count(m_query);
    m_declTypes.clear();
    for (int i = 0; i < count; ++i) {
        m_columns << QString::fromUtf8(sqlite3_column_name(m_query, i));
        const char* decl = sqlite3_column_decltype(m_query, i);
        m_declTypes << (decl ? QString::fromUtf8(decl).toUpper() : QString());
    }
    m_atEnd = false;
    if (!fetchRow() && m_failed) {
        closeQuery();
        return false;
    }
    return true;
}

bool Database::fetchRow()
{
    m_row.clear();
    m_failed = false;
    if (!m_query) {
        m_atEnd = true;
        return false;
    }
    const int rc = sqlite3_step(m_query);
    if (rc != SQLITE_ROW) {
        m_atEnd = true;
        if (rc != SQLITE_DONE) {
            setError(QString::fromUtf8(sqlite3_errmsg(m_db)));
            m_failed = true;
        }
        return false;
    }
    const int count = static_cast<int>(m_columns.size());
    m_row.resize(count);
    for (int i = 0; i < count; ++i) {
        Field& f = m_row[i];
        f.declType = m_declTypes.value(i);
        switch (sqlite3_column_type(m_query, i)) {
        case SQLITE_INTEGER:
            f.value = QVariant(static_cast<qint64>(sqlite3_column_int64(m_query, i)));
            break;
        case SQLITE_FLOAT:
            f.value = QVariant(sqlite3_column_double(m_query, i));
            break;
        case SQLITE_NULL:
            f.value = QVariant();
            break;
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_query, i));
            f.value = QVariant(QString::fromUtf8(text, sqlite3_column_bytes(m_query, i)));
            break;
        }
        }
    }
    m_atEnd = false;
    return true;
}

bool Database::atEnd() const { return m_atEnd; }

void Database::moveNext()
{
    if (!m_atEnd)
        fetchRow();
}

bool Database::find(const QString& criterion)
{
    const qsizetype eq = criterion.indexOf(QLatin1String("='"));
    if (eq < 0 || !criterion.trimmed().endsWith(u'\'')) {
        setError(QStringLiteral("查找条件不正确：") + criterion);
        return false;
    }
    const QString column = criterion.left(eq).trimmed();
    const QString trimmed = criterion.trimmed();
    QString wanted = trimmed.mid(trimmed.indexOf(QLatin1String("='")) + 2);
    wanted.chop(1);
    wanted.replace(QLatin1String("''"), QLatin1String("'"));
    const int index = columnIndex(column);
    if (index < 0) {
        setError(QStringLiteral("列不存在：") + column);
        while (!m_atEnd)
            fetchRow();
        return false;
    }
    while (!m_atEnd) {
        if (text(index) == wanted)
            return true;
        fetchRow();
    }
    return false;
}

void Database::closeQuery()
{
    if (m_query) {
        sqlite3_finalize(m_query);
        m_query = nullptr;
    }
    m_columns.clear();
    m_declTypes.clear();
    m_row.clear();
    m_atEnd = true;
}

int Database::columnIndex(const QString& column) const
{
    QString name = column.trimmed();
    if (name.startsWith(u'[') && name.endsWith(u']'))
        name = name.mid(1, name.size() - 2);
    for (qsizetype i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        return columnIndex(name.mid(dot + 1));
    return -1;
}

const Database::Field* Database::field(int index) const
{
    if (m_atEnd || index < 0 || index >= m_row.size())
        return nullptr;
    return &m_row[index];
}

QString Database::text(const QString& column) const { return text(columnIndex(column)); }

QString Database::text(int index) const
{
    const Field* f = field(index);
    return f ? renderText(f->value, f->declType) : QString();
}

double Database::number(const QString& column) const { return number(columnIndex(column)); }

double Database::number(int index) const
{
    const Field* f = field(index);
    if (!f || f->value.isNull())
        return 0.0;
    if (renderOf(f->declType) == Render::DateTime && f->value.typeId() == QMetaType::QString)
        return JetDate::toOleDate(valueToDateTime(f->value));
    if (renderOf(f->declType) == Render::Bit && f->value.typeId() == QMetaType::QString) {
        bool ok = false;
        return textIsTrue(f->value.toString(), &ok) ? 1.0 : 0.0;
    }
    return valueToNumber(f->value);
}

int Database::integer(const QString& column) const { return integer(columnIndex(column)); }

int Database::integer(int index) const
{
    const Field* f = field(index);
    if (!f || f->value.isNull())
        return 0;
    if (f->value.typeId() == QMetaType::LongLong) {
        const qint64 v = f->value.toLongLong();
        return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
    }
    if (f->value.typeId() == QMetaType::QString && renderOf(f->declType) != Render::DateTime
        && renderOf(f->declType) != Render::Bit)
        return textToInt(f->value.toString());
    return truncToInt(number(index));
}

double Database::single(const QString& column) const { return single(columnIndex(column)); }

double Database::single(int index) const { return static_cast<double>(static_cast<float>(number(index))); }

QDateTime Database::dateTime(const QString& column) const { return dateTime(columnIndex(column)); }

QDateTime Database::dateTime(int index) const
{
    const Field* f = field(index);
    return f ? valueToDateTime(f->value) : QDateTime();
}

int Database::columnCount() const { return static_cast<int>(m_columns.size()); }

QString Database::columnName(int index) const { return m_columns.value(index); }

qint64 Database::lastInsertId() const { return m_lastInsertId; }

QString Database::lastError() const { return m_error; }

// ---- Transactions ----------------------------------------------------------------

bool Database::begin() { return exec(QStringLiteral("BEGIN IMMEDIATE")); }

bool Database::commit() { return exec(QStringLiteral("COMMIT")); }

void Database::rollback()
{
    if (m_db && !sqlite3_get_autocommit(m_db)) {
        const QString error = m_error;
        exec(QStringLiteral("ROLLBACK"));
        m_error = error;
    }
}
