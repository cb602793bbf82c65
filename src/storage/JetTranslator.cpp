#include "storage/JetTranslator.h"

#include "storage/SqlQuoting.h"

#include <QList>

namespace {

enum class TokenType { Literal, Bracket, Quoted, DateLiteral, Word, Number, Space, Punct };

struct Token {
    TokenType type;
    QString text; // the source text of the token, delimiters included
};

bool isWordStart(QChar c) { return c.isLetter() || c == u'_' || c.unicode() > 127; }
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c.unicode() > 127; }
bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The statement as tokens; concatenating the token texts gives it back.
QList<Token> tokenize(const QString& s)
{
    QList<Token> tokens;
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = s[i];
        qsizetype j = i + 1;
        TokenType type = TokenType::Punct;
        if (c == u'\'') {
            // '...' with '' as an escaped quote; an unclosed literal runs to the end.
            type = TokenType::Literal;
            while (j < n) {
                if (s[j] == u'\'') {
                    if (j + 1 < n && s[j + 1] == u'\'') {
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                ++j;
            }
        } else if (c == u'[' || c == u'"' || c == u'`') {
            const QChar close = c == u'[' ? u']' : c;
            const qsizetype end = s.indexOf(close, i + 1);
            if (end >= 0) {
                type = c == u'[' ? TokenType::Bracket : TokenType::Quoted;
                j = end + 1;
            }
        } else if (c == u'#') {
            const qsizetype end = s.indexOf(u'#', i + 1);
            if (end >= 0) {
                type = TokenType::DateLiteral;
                j = end + 1;
            }
        } else if (c.isSpace()) {
            type = TokenType::Space;
            while (j < n && s[j].isSpace())
                ++j;
        } else if (isAsciiDigit(c) || (c == u'.' && i + 1 < n && isAsciiDigit(s[i + 1]))) {
            type = TokenType::Number;
            while (j < n && (s[j].isLetterOrNumber() || s[j] == u'.' || s[j] == u'_'))
                ++j;
        } else if (isWordStart(c)) {
            type = TokenType::Word;
            while (j < n && isWordChar(s[j]))
                ++j;
        }
        tokens.append({type, s.mid(i, j - i)});
        i = j;
    }
    return tokens;
}

bool isWord(const Token& t, const char* word)
{
    return t.type == TokenType::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool isPunct(const QList<Token>& tokens, qsizetype i, QChar c)
{
    return i >= 0 && i < tokens.size() && tokens[i].type == TokenType::Punct && tokens[i].text == c;
}

// Index of the next token at or after i that is not a blank; tokens.size() when none.
qsizetype skipSpace(const QList<Token>& tokens, qsizetype i)
{
    while (i < tokens.size() && tokens[i].type == TokenType::Space)
        ++i;
    return i;
}

qsizetype previousNonSpace(const QList<Token>& tokens, qsizetype i)
{
    --i;
    while (i >= 0 && tokens[i].type == TokenType::Space)
        --i;
    return i;
}

bool isName(const Token& t)
{
    return t.type == TokenType::Word || t.type == TokenType::Bracket || t.type == TokenType::Quoted;
}

// The bare name of a word, [bracketed] or "quoted" name token.
QString bareName(const Token& t)
{
    if (t.type == TokenType::Word)
        return t.text;
    QString inner = t.text.mid(1, t.text.size() - 2);
    if (t.type == TokenType::Quoted)
        inner.replace(t.text.left(1) + t.text.left(1), t.text.left(1));
    return inner;
}

QString concat(const QList<Token>& tokens, qsizetype from)
{
    QString out;
    for (qsizetype i = from; i < tokens.size(); ++i)
        out += tokens[i].text;
    return out;
}

// "alter table T alter column C type" and "alter table T add [column] C type".
bool translateAlter(const QList<Token>& tokens, JetTranslation& result)
{
    qsizetype i = skipSpace(tokens, 0);
    if (i >= tokens.size() || !isWord(tokens[i], "alter"))
        return false;
    i = skipSpace(tokens, i + 1);
    if (i >= tokens.size() || !isWord(tokens[i], "table"))
        return false;
    i = skipSpace(tokens, i + 1);
    if (i >= tokens.size() || !isName(tokens[i]))
        return false;
    const QString table = bareName(tokens[i]);
    i = skipSpace(tokens, i + 1);
    if (i >= tokens.size())
        return false;
    const bool alter = isWord(tokens[i], "alter");
    const bool add = isWord(tokens[i], "add");
    if (!alter && !add)
        return false;
    i = skipSpace(tokens, i + 1);
    if (i < tokens.size() && isWord(tokens[i], "column")) {
        const qsizetype next = skipSpace(tokens, i + 1);
        // "add column" unless the column itself is named "column" (then the type follows it).
        if (next < tokens.size() && isName(tokens[next]))
            i = next;
    }
    if (i >= tokens.size() || !isName(tokens[i]))
        return false;
    const Token columnToken = tokens[i];
    QString type = concat(tokens, i + 1).trimmed();
    while (type.endsWith(u';'))
        type = type.chopped(1).trimmed();
    if (type.isEmpty())
        return false;
    if (alter) {
        result.kind = JetTranslation::Kind::AlterColumn;
        result.table = table;
        result.column = bareName(columnToken);
        result.type = type;
    } else {
        const QString column = columnToken.type == TokenType::Word
            ? columnToken.text
            : sqlName(bareName(columnToken));
        result.sql = QStringLiteral("ALTER TABLE ") + sqlName(table)
            + QStringLiteral(" ADD COLUMN ") + column + u' ' + jetDeclaredType(type);
    }
    return true;
}

struct SelectLevel {
    int depth;
    QString limit;
};

QString limitsText(QList<SelectLevel>& levels, int depth)
{
    QString out;
    while (!levels.isEmpty() && levels.last().depth >= depth) {
        if (!levels.last().limit.isEmpty())
            out += QStringLiteral(" limit ") + levels.last().limit;
        levels.removeLast();
    }
    return out;
}

} // namespace

QString jetDeclaredType(const QString& jetType)
{
    const QString t = jetType.trimmed();
    qsizetype nameEnd = 0;
    while (nameEnd < t.size() && (t[nameEnd].isLetterOrNumber() || t[nameEnd] == u'_'))
        ++nameEnd;
    const QString name = t.left(nameEnd).toLower();
    const QString rest = t.mid(nameEnd).trimmed();
    const QString upperRest = rest.toUpper();
    if (name == u"double" || name == u"float" || name == u"float8" || name == u"number"
        || name == u"ieeedouble")
        return QStringLiteral("DOUBLE");
    if (name == u"single" || name == u"real" || name == u"float4" || name == u"ieeesingle")
        return QStringLiteral("SINGLE");
    if (name == u"short" || name == u"smallint" || name == u"integer2")
        return QStringLiteral("SHORT");
    if (name == u"integer" || name == u"int" || name == u"long" || name == u"integer4")
        return QStringLiteral("INTEGER");
    if (name == u"datetime" || name == u"date" || name == u"time" || name == u"timestamp")
        return QStringLiteral("DATETIME");
    if (name == u"bit" || name == u"yesno" || name == u"logical" || name == u"boolean")
        return QStringLiteral("BIT");
    if (name == u"text" || name == u"varchar" || name == u"char" || name == u"string"
        || name == u"memo" || name == u"longtext")
        return QStringLiteral("VARCHAR") + upperRest;
    return name.toUpper() + upperRest;
}

JetTranslation translateJet(const QString& jetStatement)
{
    JetTranslation result;
    const QList<Token> tokens = tokenize(jetStatement);
    if (translateAlter(tokens, result))
        return result;

    QString out;
    out.reserve(jetStatement.size() + 32);
    QList<SelectLevel> levels;
    int depth = 0;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        switch (t.type) {
        case TokenType::Bracket:
            out += sqlName(bareName(t));
            break;
        case TokenType::DateLiteral:
            out += QStringLiteral("jet_cdate(") + sqlLiteral(t.text.mid(1, t.text.size() - 2))
                + u')';
            break;
        case TokenType::Punct:
            if (t.text == u'(') {
                ++depth;
            } else if (t.text == u')') {
                out += limitsText(levels, depth);
                if (depth > 0)
                    --depth;
            }
            out += t.text;
            break;
        case TokenType::Word: {
            const qsizetype prev = previousNonSpace(tokens, i);
            const bool qualified = isPunct(tokens, prev, u'.');
            const qsizetype next = skipSpace(tokens, i + 1);
            const bool call = isPunct(tokens, next, u'(');
            if (isWord(t, "select")) {
                SelectLevel level{depth, {}};
                out += t.text;
                qsizetype k = next;
                if (k < tokens.size() && (isWord(tokens[k], "distinct") || isWord(tokens[k], "all"))) {
                    out += concat(tokens.mid(i + 1, k + 1 - (i + 1)), 0);
                    i = k;
                    k = skipSpace(tokens, k + 1);
                }
                if (k < tokens.size() && isWord(tokens[k], "top")) {
                    const qsizetype number = skipSpace(tokens, k + 1);
                    if (number < tokens.size() && tokens[number].type == TokenType::Number) {
                        level.limit = tokens[number].text;
                        // Keep the blank before "top", drop "top N" and the blanks after it.
                        out += tokens[i + 1].type == TokenType::Space ? tokens[i + 1].text : QString();
                        i = skipSpace(tokens, number + 1) - 1;
                    }
                }
                levels.append(level);
            } else if (isWord(t, "delete") && next < tokens.size() && isPunct(tokens, next, u'*')) {
                const qsizetype from = skipSpace(tokens, next + 1);
                if (from < tokens.size() && isWord(tokens[from], "from")) {
                    out += t.text + u' ';
                    i = from - 1;
                } else {
                    out += t.text;
                }
            } else if (!qualified && call && isWord(t, "cdate")) {
                out += QStringLiteral("jet_cdate");
            } else if (!qualified && call && isWord(t, "format")) {
                out += QStringLiteral("jet_format");
            } else if (!qualified && !call && isWord(t, "true")) {
                out += u'1';
            } else if (!qualified && !call && isWord(t, "false")) {
                out += u'0';
            } else {
                out += t.text;
            }
            break;
        }
        default:
            out += t.text;
            break;
        }
    }
    if (!levels.isEmpty()) {
        // Limits still open belong at the end, before trailing blanks and ';'.
        qsizetype end = out.size();
        while (end > 0 && (out[end - 1].isSpace() || out[end - 1] == u';'))
            --end;
        out.insert(end, limitsText(levels, 0));
    }
    result.sql = out;
    return result;
}
