#pragma once

#include <QString>
#include <optional>

class QWidget;

enum class DialogIcon { None, Information, Warning, Critical, Question };
enum class DialogButtons { Ok, YesNo };
enum class DialogAnswer { Ok, Yes, No };

// Every message box, question, one-line prompt and file dialog of the program
// goes through this interface, so tests can script the answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual DialogAnswer message(QWidget* parent, const QString& title, const QString& text,
                                 DialogIcon icon, DialogButtons buttons) = 0;
    // A one-line prompt; nullopt when the operator cancels. With `numeric` the
    // box accepts only a decimal number.
    virtual std::optional<QString> prompt(QWidget* parent, const QString& title,
                                          const QString& label, const QString& initial,
                                          bool numeric) = 0;
    // File dialogs; an empty path when nothing was chosen. `filter` uses the
    // "description|pattern" form.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& suggestedName) = 0;

    static Dialogs& current();
    // Installs a replacement; nullptr restores the Qt dialogs. The caller keeps ownership.
    static void install(Dialogs* dialogs);
};

// The usual shapes: an OK box (title "信息：" unless given) and a Yes/No question.
void showMessage(QWidget* parent, const QString& text, DialogIcon icon,
                 const QString& title = QStringLiteral("信息："));
bool askYesNo(QWidget* parent, const QString& text, const QString& title = QStringLiteral("信息："));
