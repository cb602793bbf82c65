#pragma once

#include "common/Dialogs.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <QVector>
#include <deque>

// Replaces every dialog of the program while it lives: records what was shown
// and answers from prepared queues, so tests never block.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString kind; // "message", "prompt", "open", "save"
        QString title;
        QString text;
        DialogIcon icon = DialogIcon::None;
        DialogButtons buttons = DialogButtons::Ok;
    };

    ScriptedDialogs() { Dialogs::install(this); }
    ~ScriptedDialogs() override { Dialogs::install(nullptr); }

    // Answers to questions (Yes/No); an unscripted question answers No.
    void answerYes() { m_answers.push_back(DialogAnswer::Yes); }
    void answerNo() { m_answers.push_back(DialogAnswer::No); }
    // Prompt answers; nullopt cancels. An unscripted prompt is cancelled.
    void answerPrompt(const std::optional<QString>& text)
    {
        m_prompts.push_back({text.has_value(), text.value_or(QString())});
    }
    // File dialog answers; an unscripted one chooses nothing.
    void answerFile(const QString& path) { m_files.push_back(path); }

    const QVector<Shown>& shown() const { return m_shown; }
    // Texts of the message boxes and questions shown, in order.
    QStringList messages() const;
    const Shown& last() const { return m_shown.back(); }
    void clear() { m_shown.clear(); }

    DialogAnswer message(QWidget*, const QString& title, const QString& text, DialogIcon icon,
                         DialogButtons buttons) override;
    std::optional<QString> prompt(QWidget*, const QString& title, const QString& label,
                                  const QString& initial, bool numeric) override;
    QString openFileName(QWidget*, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget*, const QString& title, const QString& filter,
                         const QString& suggestedName) override;

    QString lastPromptInitial;
    QString lastFilter;

private:
    QString chooseFile(const QString& kind, const QString& title, const QString& filter);

    QVector<Shown> m_shown;
    std::deque<DialogAnswer> m_answers;
    std::deque<std::pair<bool, QString>> m_prompts; // answered, text
    std::deque<QString> m_files;
};
