#include "support/ScriptedDialogs.h"

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const Shown& s : m_shown)
        if (s.kind == QLatin1String("message"))
            texts << s.text;
    return texts;
}

DialogAnswer ScriptedDialogs::message(QWidget*, const QString& title, const QString& text,
                                      DialogIcon icon, DialogButtons buttons)
{
    m_shown.push_back({QStringLiteral("message"), title, text, icon, buttons});
    if (buttons == DialogButtons::Ok)
        return DialogAnswer::Ok;
    if (m_answers.empty())
        return DialogAnswer::No;
    const DialogAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::prompt(QWidget*, const QString& title,
                                               const QString& label, const QString& initial,
                                               bool)
{
    m_shown.push_back({QStringLiteral("prompt"), title, label, DialogIcon::None,
                       DialogButtons::Ok});
    lastPromptInitial = initial;
    if (m_prompts.empty())
        return std::nullopt;
    const auto [answered, text] = m_prompts.front();
    m_prompts.pop_front();
    if (!answered)
        return std::nullopt;
    return text;
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& title, const QString& filter)
{
    return chooseFile(QStringLiteral("open"), title, filter);
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& title, const QString& filter,
                                      const QString&)
{
    return chooseFile(QStringLiteral("save"), title, filter);
}

QString ScriptedDialogs::chooseFile(const QString& kind, const QString& title,
                                    const QString& filter)
{
    m_shown.push_back({kind, title, QString(), DialogIcon::None, DialogButtons::Ok});
    lastFilter = filter;
    if (m_files.empty())
        return QString();
    const QString path = m_files.front();
    m_files.pop_front();
    return path;
}
