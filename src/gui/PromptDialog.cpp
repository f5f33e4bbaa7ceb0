#include "gui/PromptDialog.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

Prompts::Prompts(QWidget* parent)
    : m_parent(parent)
{
}

std::optional<QString> Prompts::takeAnswer()
{
    if (nextAnswers.empty())
        return std::nullopt;
    QString a = nextAnswers.front();
    nextAnswers.pop_front();
    return a;
}

void Prompts::error(const QString& text)
{
    shown << text;
    if (takeAnswer())
        return;
    QMessageBox::critical(m_parent, QString(), text);
}

void Prompts::information(const QString& text, const QString& title)
{
    shown << text;
    if (takeAnswer())
        return;
    QMessageBox::information(m_parent, title, text);
}

bool Prompts::yesNo(const QString& text, const QString& title)
{
    shown << text;
    if (auto a = takeAnswer())
        return *a == QLatin1String("yes");
    return QMessageBox::question(m_parent, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

QString Prompts::input(const QString& caption, const QString& prompt, const QString& preset)
{
    shown << prompt;
    if (auto a = takeAnswer())
        return a->isNull() ? preset : *a;
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, preset, &ok);
    return ok ? text : preset;
}

QString Prompts::saveFileName(const QString& proposedPath, const QString& filter,
                              const QString& defaultSuffix)
{
    if (auto a = takeAnswer())
        return *a;
    QFileDialog dialog(m_parent, QString(), proposedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    // With several filters a name typed without suffix takes the one of the filter chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& chosen) {
        const qsizetype star = chosen.indexOf(QLatin1String("*."));
        if (star >= 0)
            dialog.setDefaultSuffix(chosen.mid(star + 2).section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(')')));
    });
    dialog.selectFile(proposedPath);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

QString Prompts::openFileName(const QString& directory, const QString& filter, const QString& defaultSuffix)
{
    if (auto a = takeAnswer())
        return *a;
    QFileDialog dialog(m_parent, QString(), directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}
