#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

class QWidget;

// Message boxes, input boxes and file dialogs of the program. Tests queue answers in advance, so no
// test waits on a modal box; with an empty queue the real dialog is shown.
class Prompts
{
public:
    explicit Prompts(QWidget* parent);

    void error(const QString& text);
    void information(const QString& text, const QString& title = {});
    bool yesNo(const QString& text, const QString& title);
    // Input box: returns the entered text, or the preset when cancelled (as the program's input box does).
    QString input(const QString& caption, const QString& prompt, const QString& preset);
    // File dialogs: an empty result means cancelled.
    QString saveFileName(const QString& proposedPath, const QString& filter, const QString& defaultSuffix);
    QString openFileName(const QString& directory, const QString& filter, const QString& defaultSuffix);

    // Test hooks: the next answers, consumed in order. Every shown text is recorded.
    std::deque<QString> nextAnswers; // "yes"/"no" for yesNo, text for input, path ("" = cancel) for files
    QStringList shown;

private:
    std::optional<QString> takeAnswer();
    QWidget* m_parent;
};
