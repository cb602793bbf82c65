#include "common/Dialogs.h"

#include <QDoubleValidator>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

// "PNG图片|*.png" -> "PNG图片 (*.png)"
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << parts[i] + QStringLiteral(" (") + parts[i + 1] + u')';
    return entries.join(QStringLiteral(";;"));
}

class QtDialogs final : public Dialogs {
public:
    DialogAnswer message(QWidget* parent, const QString& title, const QString& text,
                         DialogIcon icon, DialogButtons buttons) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(title);
        box.setText(text);
        switch (icon) {
        case DialogIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case DialogIcon::Information: box.setIcon(QMessageBox::Information); break;
        case DialogIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case DialogIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case DialogIcon::Question: box.setIcon(QMessageBox::Question); break;
        }
        if (buttons == DialogButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            return box.exec() == QMessageBox::Yes ? DialogAnswer::Yes : DialogAnswer::No;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return DialogAnswer::Ok;
    }

    std::optional<QString> prompt(QWidget* parent, const QString& title, const QString& label,
                                  const QString& initial, bool numeric) override
    {
        QInputDialog dialog(parent);
        dialog.setWindowTitle(title);
        dialog.setLabelText(label);
        dialog.setInputMode(QInputDialog::TextInput);
        dialog.setTextValue(initial);
        if (numeric) {
            if (auto* edit = dialog.findChild<QLineEdit*>()) {
                auto* validator = new QDoubleValidator(&dialog);
                validator->setNotation(QDoubleValidator::StandardNotation);
                validator->setLocale(QLocale::c());
                edit->setValidator(validator);
            }
        }
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.textValue();
    }

    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, title, QString(), qtFilter(filter));
    }

    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& suggestedName) override
    {
        return QFileDialog::getSaveFileName(parent, title, suggestedName, qtFilter(filter));
    }
};

QtDialogs qtDialogs;
Dialogs* installed = nullptr;

} // namespace

Dialogs& Dialogs::current() { return installed ? *installed : qtDialogs; }

void Dialogs::install(Dialogs* dialogs) { installed = dialogs; }

void showMessage(QWidget* parent, const QString& text, DialogIcon icon, const QString& title)
{
    Dialogs::current().message(parent, title, text, icon, DialogButtons::Ok);
}

bool askYesNo(QWidget* parent, const QString& text, const QString& title)
{
    return Dialogs::current().message(parent, title, text, DialogIcon::Question,
                                      DialogButtons::YesNo)
        == DialogAnswer::Yes;
}
